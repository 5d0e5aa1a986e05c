// The options page "Outils": the companion tools, repair and online update.
#include "shell/options_dlg.h"

#include "res/resource.h"
#include "shell/external_tools.h"

const CMessageEntry CPageOutils::s_messageEntries[] = {
    OnCommand<&CPageOutils::OnRepair>(IDC_OPT_REPAIR),
    OnCommand<&CPageOutils::OnUpdate>(IDC_OPT_UPDATE),
};
const CMessageMap CPageOutils::s_messageMap{COptionsPage::s_messageMap, s_messageEntries};

CPageOutils::CPageOutils() : COptionsPage(IDD_PAGE_TOOLS) {}

void CPageOutils::OnRepair()
{
    LaunchRepairTool(m_hWnd, kProductName);
}

void CPageOutils::OnUpdate()
{
    LaunchUpdateTool(m_hWnd, kProductName);
}
