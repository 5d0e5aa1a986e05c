// A flag held set for one scope and given back its earlier value, also on nested use.
#pragma once

class CFlagScope
{
public:
    explicit CFlagScope(bool& bFlag) : m_bFlag(bFlag), m_bWas(bFlag) { m_bFlag = true; }
    ~CFlagScope() { m_bFlag = m_bWas; }
    CFlagScope(const CFlagScope&) = delete;
    CFlagScope& operator=(const CFlagScope&) = delete;

private:
    bool& m_bFlag;
    bool m_bWas;
};
