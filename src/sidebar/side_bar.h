// The side bar: a task pane of collapsible groups of link and edit rows, attached to the
// "WndDirectUI" control of the main window's templates.
#pragma once

#include "framework/theme_library.h"
#include "framework/wnd.h"
#include "sidebar/side_bar_items.h"

#include <memory>
#include <string>
#include <vector>

constexpr const char* kSideBarClassName = "WndDirectUI";

enum : int
{
    SIDEBAR_ITEM_LINK = 0,
    SIDEBAR_ITEM_EDIT = 1,
};

class CSideBar : public CWnd
{
public:
    // The first side bar registers the window class, before any template that contains one.
    CSideBar();
    ~CSideBar() override;

    // Index of the new, open group.
    int AddGroup(const std::string& strTitle);
    // FALSE only when the group does not exist; an unknown kind adds nothing.
    BOOL AddItem(int nGroup, const std::string& strText, UINT nID, int nKind);
    // Does not repaint: the owner rebuilds the content right after.
    void RemoveAllGroups();
    CSideBarGroup* GetGroup(int nGroup) const;
    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    // nOpen 1 opens, 0 collapses, anything else changes nothing; FALSE only for a missing group.
    BOOL ExpandGroup(int nGroup, int nOpen);
    BOOL IsGroupCollapsed(int nGroup) const;
    // Empty for a missing group or identifier; with several rows of one identifier, the last.
    std::string GetItemText(int nGroup, UINT nID) const;
    // An edit row raises EN_CHANGE before this returns.
    void SetItemText(int nGroup, UINT nID, const std::string& strText);
    void SetItemColor(int nGroup, UINT nID, COLORREF crText);
    void ResetItemColor(int nGroup, UINT nID);
    void SetDrawStyle(InterfaceLook look);
    InterfaceLook GetDrawStyle() const { return m_drawStyle; }
    // The content changed: it is laid out again before the next paint or hit test.
    void Refresh();
    // One row's text or colour changed: the rows stay where they are, only this one is painted
    // again, and an edit row not at all.
    void RefreshItem(CSideBarItem& item);

    // Content y minus client y: 0 while no scroll bar is shown.
    int GetScrollPosition() const;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnPaint();
    BOOL OnEraseBkgnd(HDC hDC);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, POINT pt);
    void OnLButtonDown(UINT nFlags, POINT pt);
    void OnLButtonUp(UINT nFlags, POINT pt);
    void OnVScroll(UINT nCode, UINT nPos, HWND hScrollBar);
    void OnThemeChanged();
    void OnSize();
    LRESULT OnCommand(UINT id, UINT code, HWND hControl);

    bool HasScrollBar() const;
    int GetScrollLimit() const;
    // The title bar or else the link row under a client point.
    void HitTest(POINT pt, CSideBarGroup*& pHitGroup, CSideBarItem*& pHitItem);
    // The content's width beside the scroll bar, and its height down to the bottom of what shows.
    RECT ContentArea() const;
    // Places every group and row, then shows the scroll bar the content height calls for.
    void Layout();
    void EnsureLayout();
    // Measures the rows whose text changed since the last layout, where it put them.
    void LayoutPendingItems();
    // The theme data of the side bar's look; null for the classic look or without a theme.
    CThemeHandle OpenTheme() const;
    // Paints the groups that meet rcUpdate (content coordinates) into dc, whose origin already
    // maps content to client coordinates.
    void DrawContent(HDC hDC, const RECT& rcArea, const RECT& rcUpdate) const;
    void UpdateScrollBar(int nContentHeight);

    static const CMessageEntry s_messageEntries[];
    InterfaceLook m_drawStyle = InterfaceLook::VisualStyles;
    std::vector<std::unique_ptr<CSideBarGroup>> m_groups;
    CSideBarGroup* m_pHotGroup = nullptr;
    CSideBarItem* m_pHotItem = nullptr;
    HCURSOR m_hHandCursor = nullptr;
    bool m_bLaidOut = false;
    // Rows to measure again before the next paint or hit test; empty while a whole layout is due.
    std::vector<CSideBarItem*> m_pendingItems;
};
