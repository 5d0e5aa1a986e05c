// The About dialog, with its links to the product's site, and the thanks dialog it can offer.
#pragma once

#include "framework/dialog.h"
#include "shell/link_label.h"

#include <string>

class CAProposDlg : public CDialog
{
public:
    CAProposDlg(HWND hOwner, std::string strEmail, std::string strHomeLink, std::string strDonationLink,
                std::string strThanks, UINT idThanksIcon);

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnLinkClicked();
    void OnDonate();
    void OnThanks();

    std::string m_strEmail;
    std::string m_strHomeLink;
    std::string m_strDonationLink;
    std::string m_strThanks;
    UINT m_idThanksIcon;
    CLinkLabel m_version;
    CLinkLabel m_legal;
    CLinkLabel m_link;

    static const CMessageEntry s_messageEntries[];
};

class CRemerciementsDlg : public CDialog
{
public:
    CRemerciementsDlg(HWND hOwner, std::string strThanks, UINT idIcon);

protected:
    BOOL OnInitDialog() override;

private:
    std::string m_strThanks;
    UINT m_idIcon;
};
