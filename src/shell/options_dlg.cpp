// The options sheet and the help every page offers.
#include "shell/options_dlg.h"

#include "framework/resource_module.h"
#include "res/resource.h"
#include "shell/external_tools.h"

#include <utility>

namespace
{
constexpr const char* kOptionsTopic = "options.htm";
} // namespace

// Every page's Help button opens the options topic.
void COptionsPage::OnHelp()
{
    ShowHelpTopic(m_hWnd, kOptionsTopic);
}

COptionsDlg::COptionsDlg(HWND hOwner, CAppSettings& settings, std::vector<std::string> languageNames)
    : CPropertySheet(LoadResourceString(IDS_OPTIONS_CAPTION), hOwner), m_pageGeneral(settings),
      m_pageInterface(settings, std::move(languageNames))
{
    AddPage(m_pageGeneral);
    AddPage(m_pageInterface);
    AddPage(m_pageOutils);
}
