// The options page "Interface": look, orientation, language, background picture and opacity.
#include "shell/options_dlg.h"

#include "framework/combo_box.h"
#include "framework/handles.h"
#include "framework/resource_module.h"
#include "framework/scopes.h"
#include "picture/common_dialogs.h"
#include "picture/picture_cache.h"
#include "model/picture_options.h"
#include "res/resource.h"

#include <commctrl.h>

#include <optional>

const CMessageEntry CPageInterface::s_messageEntries[] = {
    OnMessage<WM_PAINT, &CPageInterface::OnPaint>(),
    OnCommand<&CPageInterface::OnNoBackground>(IDC_OPT_NO_BACKGROUND),
    OnCommand<&CPageInterface::OnDefaultBackground>(IDC_OPT_DEFAULT_BACKGROUND),
    OnCommand<&CPageInterface::OnBrowse>(IDC_OPT_BROWSE),
};
const CMessageMap CPageInterface::s_messageMap{COptionsPage::s_messageMap, s_messageEntries};

CPageInterface::CPageInterface(CAppSettings& settings, std::vector<std::string> languageNames)
    : COptionsPage(IDD_PAGE_INTERFACE), m_settings(settings), m_languageNames(std::move(languageNames))
{
}

BOOL CPageInterface::OnInitDialog()
{
    const CComboBox orientation(GetDlgItem(IDC_OPT_ORIENTATION));
    orientation.AddString(LoadResourceString(IDS_ORIENT_VERTICAL));
    orientation.AddString(LoadResourceString(IDS_ORIENT_HORIZONTAL));
    orientation.SetCurSel(m_settings.m_nOrientation);
    const CComboBox style(GetDlgItem(IDC_OPT_STYLE));
    style.AddString(LoadResourceString(IDS_STYLE_XP));
    style.AddString(LoadResourceString(IDS_STYLE_CLASSIC));
    style.SetCurSel(m_settings.m_nStyle);

    // The built-in language by the program's own name for it, whatever library is in force.
    const CComboBox language(GetDlgItem(IDC_OPT_LANGUAGE));
    language.AddString(LoadResourceString(::GetModuleHandleA(nullptr), IDS_LANGUAGE_NAME));
    for (const std::string& strName : m_languageNames)
        language.AddString(strName);
    language.SetCurSel(LanguageListIndex(m_languageNames, m_settings.m_strLanguage));

    ::CheckDlgButton(m_hWnd, IDC_OPT_SIDEBAR, m_settings.m_bShowSideBar ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_OPT_TOPMOST, m_settings.m_bTopmost ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_OPT_GRADIENT, m_settings.m_bGradient ? BST_CHECKED : BST_UNCHECKED);

    m_nBackgroundMode = BackgroundModeOf(m_settings.m_strBackground, kDefaultBackground);
    m_strBackgroundPath = m_nBackgroundMode == BACKGROUND_FILE ? m_settings.m_strBackground : std::string();

    ::SendDlgItemMessageA(m_hWnd, IDC_OPT_TRANSPARENCY, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    ::SendDlgItemMessageA(m_hWnd, IDC_OPT_TRANSPARENCY, TBM_SETPOS, TRUE, m_settings.m_nTransparency);
    return TRUE;
}

void CPageInterface::OnOK()
{
    m_settings.m_nOrientation = CComboBox(GetDlgItem(IDC_OPT_ORIENTATION)).GetCurSel();
    m_settings.m_nStyle = CComboBox(GetDlgItem(IDC_OPT_STYLE)).GetCurSel();
    const std::string strLanguage =
        LanguageSettingOf(CComboBox(GetDlgItem(IDC_OPT_LANGUAGE)).GetCurSel(), m_languageNames);
    if (strLanguage != m_settings.m_strLanguage)
    {
        m_bLanguageChanged = true;
        m_settings.m_strLanguage = strLanguage;
    }
    m_settings.m_bShowSideBar = ::IsDlgButtonChecked(m_hWnd, IDC_OPT_SIDEBAR) == BST_CHECKED ? TRUE : FALSE;
    m_settings.m_bTopmost = ::IsDlgButtonChecked(m_hWnd, IDC_OPT_TOPMOST) == BST_CHECKED ? TRUE : FALSE;
    m_settings.m_bGradient = ::IsDlgButtonChecked(m_hWnd, IDC_OPT_GRADIENT) == BST_CHECKED ? TRUE : FALSE;
    m_settings.m_strBackground =
        BackgroundSettingOf(m_nBackgroundMode, m_strBackgroundPath, kDefaultBackground);
    m_settings.m_nTransparency =
        static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_OPT_TRANSPARENCY, TBM_GETPOS, 0, 0));
}

// The preview frame's rectangle in the page's client coordinates.
RECT CPageInterface::PreviewRect() const
{
    RECT rc{};
    HWND hFrame = GetDlgItem(IDC_OPT_PREVIEW);
    ::GetWindowRect(hFrame, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CPageInterface::InvalidatePreview() const
{
    RECT rc = PreviewRect();
    ::InflateRect(&rc, -1, -1);
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void CPageInterface::OnNoBackground()
{
    m_nBackgroundMode = BACKGROUND_NONE;
    InvalidatePreview();
}

void CPageInterface::OnDefaultBackground()
{
    m_nBackgroundMode = BACKGROUND_BUILT_IN;
    InvalidatePreview();
}

// Cancel keeps the mode and the path as they were.
void CPageInterface::OnBrowse()
{
    const std::optional<std::string> path = AskBitmapFile(m_hWnd, BitmapFileUse::Open);
    if (!path)
        return;
    m_nBackgroundMode = BACKGROUND_FILE;
    m_strBackgroundPath = *path;
    InvalidatePreview();
}

// A picture that cannot be loaded leaves the frame empty.
void CPageInterface::OnPaint()
{
    CPaintDC dc(m_hWnd);
    HBITMAP hBitmap = nullptr;
    if (m_nBackgroundMode == BACKGROUND_BUILT_IN)
        hBitmap = GetArtworkBitmap(IDB_BACKGROUND);
    else if (m_nBackgroundMode == BACKGROUND_FILE)
        hBitmap = GetBackgroundFileBitmap(m_strBackgroundPath);
    BITMAP bm{};
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof bm, &bm) == 0)
        return;
    const RECT rc = PreviewRect();
    CMemoryDCHandle memDC(::CreateCompatibleDC(dc.get()));
    CSelectObject select(memDC.get(), hBitmap);
    ::SetStretchBltMode(dc.get(), HALFTONE);
    ::StretchBlt(dc.get(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memDC.get(), 0, 0,
                 bm.bmWidth, bm.bmHeight, SRCCOPY);
}
