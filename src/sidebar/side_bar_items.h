// What the side bar holds: groups with a title, and their link and edit rows.
#pragma once

#include "framework/child_wnd.h"
#include "model/interface_look.h"

#include <windows.h>
#include <uxtheme.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSideBar;

// Title bars grow by 9/8 only where the visual styles draw them; rows always do.
int GetSideBarTitleHeight(InterfaceLook drawStyle);
int GetSideBarRowHeight();

// A link row: a line of text that posts its identifier as a command when clicked.
class CSideBarItem
{
public:
    CSideBarItem(const std::string& strText, UINT nID);
    CSideBarItem(const CSideBarItem&) = delete;
    CSideBarItem& operator=(const CSideBarItem&) = delete;
    virtual ~CSideBarItem() = default;

    // Places the row, and measures where its text lands: the clickable area. bThemed: the
    // theme draws the text (hTheme open); otherwise the row draws it itself.
    virtual void Layout(HDC hDC, const RECT& rcRow, bool bThemed, HTHEME hTheme, int nScrollPos);
    // Draws what the last layout placed.
    virtual void Draw(HDC hDC, HTHEME hTheme) const;
    virtual std::string GetText() const { return m_strText; }
    virtual void SetText(const std::string& strText) { m_strText = strText; }
    // Called instead of Layout while the group is collapsed.
    virtual void HideItem() {}
    virtual void SetColor(COLORREF crText);
    virtual void ResetColor() { m_bCustomColor = FALSE; }
    // The colour of SetColor while it is in force; nothing while the look's own colour is.
    std::optional<COLORREF> GetCustomColor() const
    {
        return m_bCustomColor ? std::optional<COLORREF>(m_crText) : std::nullopt;
    }

    UINT GetID() const { return m_nID; }
    BOOL IsHot() const { return m_bHot; }
    void SetHot(BOOL bHot) { m_bHot = bHot; }
    // Content coordinates; empty until the first layout, and for ever for an edit row.
    const RECT& GetHitRect() const { return m_rcHit; }
    const RECT& GetRowRect() const { return m_rcRow; }
    bool IsThemed() const { return m_bThemed; }
    // An edit row's window shows its own text: the side bar draws nothing of it.
    virtual bool DrawsItself() const { return false; }

protected:
    BOOL m_bHot = FALSE;
    std::string m_strText;
    UINT m_nID;
    COLORREF m_crText = 0;
    BOOL m_bCustomColor = FALSE;
    RECT m_rcRow{};
    RECT m_rcHit{};
    bool m_bThemed = false;

private:
    // Where the row's own drawing puts its text.
    RECT PlainTextRect() const;
    void DrawThemed(HDC hDC, HTHEME hTheme) const;
    void DrawPlain(HDC hDC) const;
    void DrawUnderline(HDC hDC) const;
};

// An edit row: a child edit window of the side bar, placed by each paint.
class CSideBarEditItem : public CSideBarItem
{
public:
    // Creates the edit window at once; setting its text raises EN_CHANGE to the side bar.
    CSideBarEditItem(const std::string& strText, UINT nID, CSideBar& owner);

    // The edit window takes the row's place; it draws itself.
    void Layout(HDC hDC, const RECT& rcRow, bool bThemed, HTHEME hTheme, int nScrollPos) override;
    void Draw(HDC, HTHEME) const override {}
    bool DrawsItself() const override { return true; }
    std::string GetText() const override;
    // EN_CHANGE reaches the side bar before this returns.
    void SetText(const std::string& strText) override;
    void HideItem() override;

    HWND GetEditWindow() const { return m_edit.GetSafeHwnd(); }

private:
    CChildWnd m_edit;
    // Where the window was put last, in client coordinates: moving it again costs messages.
    RECT m_rcPlaced{};
    bool m_bShown = false;
};

// How a group is drawn, decided at each layout from the side bar's style and the theme in force.
enum class ESideBarLook
{
    Themed,
    Classic,
    Plain,
};

class CSideBarGroup
{
public:
    explicit CSideBarGroup(const std::string& strTitle);
    CSideBarGroup(const CSideBarGroup&) = delete;
    CSideBarGroup& operator=(const CSideBarGroup&) = delete;

    int AddItem(std::unique_ptr<CSideBarItem> pItem);
    // TRUE only when the state changed.
    BOOL SetExpanded(BOOL bOpen);
    void ToggleExpanded();
    // Places the title bar, its chevron and the rows in content coordinates, the group's top
    // left corner at (nLeft, nTop); returns the group's bottom. Edit rows move their windows,
    // which stand nScrollPos above their content place.
    int Layout(HDC hDC, int nLeft, int nTop, int nRight, InterfaceLook drawStyle, HTHEME hTheme,
               int nScrollPos);
    // Draws what the last layout placed, the rows that meet rcUpdate.
    void Draw(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const;
    const RECT& GetRect() const { return m_rcGroup; }
    BOOL HitTestTitle(POINT pt) const;
    // The first link row under the point; none while collapsed.
    CSideBarItem* HitTestItem(POINT pt) const;

    // Every row of that identifier, in order.
    template <class Function> void ForEachItem(UINT nID, Function function) const
    {
        for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
        {
            if (pItem->GetID() == nID)
                function(*pItem);
        }
    }

    const std::string& GetTitle() const { return m_strTitle; }
    // As laid out last.
    int GetHeight() const { return m_rcGroup.bottom - m_rcGroup.top; }
    BOOL IsCollapsed() const { return m_bCollapsed; }
    BOOL IsHot() const { return m_bHot; }
    void SetHot(BOOL bHot) { m_bHot = bHot; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CSideBarItem* GetItem(int nIndex) const;
    // Content coordinates; empty until the first layout.
    const RECT& GetTitleHitRect() const { return m_rcTitleHit; }

private:
    void DrawThemed(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const;
    void DrawClassic(HDC hDC, const RECT& rcUpdate) const;
    void DrawPlain(HDC hDC, const RECT& rcUpdate) const;
    void DrawRows(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const;

    std::string m_strTitle;
    std::vector<std::unique_ptr<CSideBarItem>> m_items;
    BOOL m_bCollapsed = FALSE;
    BOOL m_bHot = FALSE;
    ESideBarLook m_look = ESideBarLook::Plain;
    RECT m_rcGroup{};
    RECT m_rcTitle{};
    RECT m_rcChevron{};
    RECT m_rcTitleHit{};
};
