// What the side bar holds: groups with a title, and their link and edit rows.
#pragma once

#include "framework/child_wnd.h"

#include <windows.h>
#include <uxtheme.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSideBar;

// Title bars grow by 9/8 only where the visual styles draw them; rows always do.
int GetSideBarTitleHeight(int nDrawStyle);
int GetSideBarRowHeight();

// A link row: a line of text that posts its identifier as a command when clicked.
class CSideBarItem
{
public:
    CSideBarItem(const std::string& strText, UINT nID);
    CSideBarItem(const CSideBarItem&) = delete;
    CSideBarItem& operator=(const CSideBarItem&) = delete;
    virtual ~CSideBarItem() = default;

    // Draws the row and records where its text landed (the clickable area).
    virtual void Draw(HDC hDC, const RECT& rcRow, int nDrawStyle, HTHEME hTheme);
    virtual std::string GetText() const { return m_strText; }
    virtual void SetText(const std::string& strText) { m_strText = strText; }
    // Called instead of Draw while the group is collapsed.
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
    // Content coordinates; empty until the first paint, and for ever for an edit row.
    const RECT& GetHitRect() const { return m_rcHit; }

protected:
    BOOL m_bHot = FALSE;
    std::string m_strText;
    UINT m_nID;
    COLORREF m_crText = 0;
    BOOL m_bCustomColor = FALSE;
    RECT m_rcHit{};

private:
    void DrawThemed(HDC hDC, const RECT& rcRow, HTHEME hTheme);
    void DrawPlain(HDC hDC, const RECT& rcRow);
    void DrawUnderline(HDC hDC) const;
};

// An edit row: a child edit window of the side bar, placed by each paint.
class CSideBarEditItem : public CSideBarItem
{
public:
    // Creates the edit window at once; setting its text raises EN_CHANGE to the side bar.
    CSideBarEditItem(const std::string& strText, UINT nID, CSideBar& owner);

    void Draw(HDC hDC, const RECT& rcRow, int nDrawStyle, HTHEME hTheme) override;
    std::string GetText() const override;
    // EN_CHANGE reaches the side bar before this returns.
    void SetText(const std::string& strText) override;
    void HideItem() override;

    HWND GetEditWindow() const { return m_edit.GetSafeHwnd(); }

private:
    CChildWnd m_edit;
    CSideBar& m_owner;
};

class CSideBarGroup
{
public:
    // nDrawStyle is the side bar's own style, read again at every layout and paint.
    CSideBarGroup(const std::string& strTitle, const int& nDrawStyle);
    CSideBarGroup(const CSideBarGroup&) = delete;
    CSideBarGroup& operator=(const CSideBarGroup&) = delete;

    int AddItem(std::unique_ptr<CSideBarItem> pItem);
    void RecalcHeight();
    // TRUE only when the state changed.
    BOOL SetExpanded(BOOL bOpen);
    void ToggleExpanded();
    BOOL HitTestTitle(POINT pt) const;
    // The first link row under the point; none while collapsed.
    CSideBarItem* HitTestItem(POINT pt) const;
    void Draw(HDC hDC, const RECT& rcGroup, HTHEME hTheme);

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
    int GetHeight() const { return m_nHeight; }
    BOOL IsCollapsed() const { return m_bCollapsed; }
    BOOL IsHot() const { return m_bHot; }
    void SetHot(BOOL bHot) { m_bHot = bHot; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CSideBarItem* GetItem(int nIndex) const;
    // Content coordinates; empty until the first paint.
    const RECT& GetTitleHitRect() const { return m_rcTitleHit; }

private:
    void DrawThemed(HDC hDC, const RECT& rcGroup, HTHEME hTheme);
    void DrawClassic(HDC hDC, const RECT& rcGroup);
    void DrawPlain(HDC hDC, const RECT& rcGroup);
    // The rows of the classic and drawn looks, below a title of height nTitle.
    void DrawRows(HDC hDC, const RECT& rcGroup, int nTitle);
    void DrawRow(HDC hDC, CSideBarItem& item, const RECT& rcRow, HTHEME hTheme);

    std::string m_strTitle;
    std::vector<std::unique_ptr<CSideBarItem>> m_items;
    int m_nHeight = 0;
    BOOL m_bCollapsed = FALSE;
    BOOL m_bHot = FALSE;
    RECT m_rcTitleHit{};
    const int& m_nDrawStyle;
};
