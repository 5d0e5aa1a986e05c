// Every stored setting damaged in every way the registry allows: the program starts, shows its
// main window and, at exit, leaves every value as text that reads back as a valid setting.
#include "mainwnd/main_dlg.h"
#include "program_key.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <string>
#include <vector>

namespace
{
struct StoredValue
{
    const char* subKey;
    std::string name;
    bool bText;
};

std::vector<StoredValue> StoredValues()
{
    std::vector<StoredValue> values = {
        {kGeneral, "Premier demarrage", false},
        {kGeneral, "Nombre bandes", false},
        {kInterface, "Utiliser d\xE9grad\xE9", false},
        {kInterface, "Premier plan", false},
        {kInterface, "Afficher barre lat\xE9rale", false},
        {kInterface, "Style affichage", false},
        {kInterface, "Sens affichage", false},
        {kInterface, "Image fond", true},
        {kInterface, "Langue", true},
        {kInterface, "Transparence", false},
        {kLastState, "PosX", false},
        {kLastState, "PosY", false},
    };
    for (int i = 0; i < 7; ++i)
        values.push_back({kGeneral, "Utiliser s\xE9rie n\xB0" + std::to_string(i), false});
    for (int i = 1; i <= 6; ++i)
        values.push_back({kLastState, "Bande " + std::to_string(i), false});
    for (int i = 1; i <= 3; ++i)
        values.push_back({kLastState, "Groupe " + std::to_string(i), false});
    return values;
}

struct Damage
{
    const char* name;
    DWORD type; // 0: the value is missing
    std::string bytes;
};

const Damage kDamages[] = {
    {"missing", 0, ""},
    {"empty", REG_SZ, std::string(1, '\0')},
    {"letters", REG_SZ, std::string("abc\0", 4)},
    {"negative", REG_SZ, std::string("-7\0", 3)},
    {"huge", REG_SZ, std::string("99999999999999999999\0", 21)},
    {"binary", REG_BINARY, std::string("\xFF\x00\x41", 3)},
    {"number", REG_DWORD, std::string("\xFF\xFF\xFF\x7F", 4)},
};

bool g_bShown = false;

// Answers the first-run question, and closes the main window once it shows.
BOOL CALLBACK CloseWhenShown(HWND hWnd, LPARAM)
{
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    if (dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd)) != nullptr)
    {
        g_bShown = true;
        ::PostMessageA(hWnd, WM_COMMAND, ID_QUIT, 0);
    }
    else
    {
        ::PostMessageA(hWnd, WM_COMMAND, IDNO, 0);
    }
    return TRUE;
}

bool IsIntegerText(const std::string& bytes)
{
    const std::string text = bytes.substr(0, bytes.find('\0'));
    const size_t first = text.starts_with('-') ? 1 : 0;
    return text.size() > first && text.find_first_not_of("0123456789", first) == std::string::npos;
}

class BadSettingsTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
};

TEST_F(BadSettingsTest, EveryDamagedValueStartsTheProgramAndIsSavedValid)
{
    const std::vector<StoredValue> values = StoredValues();
    for (const StoredValue& value : values)
    {
        for (const Damage& damage : kDamages)
        {
            SCOPED_TRACE(value.name + " " + damage.name);
            ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgramKey);
            StoreRaw(kGeneral, "Premier demarrage", REG_SZ, std::string("0\0", 2));
            if (damage.type != 0)
                StoreRaw(value.subKey, value.name, damage.type, damage.bytes);
            g_bShown = false;
            CResistorApp app;
            const UINT_PTR timer =
                ::SetTimer(nullptr, 0, 10,
                           [](HWND, UINT, UINT_PTR, DWORD)
                           { ::EnumThreadWindows(::GetCurrentThreadId(), CloseWhenShown, 0); });
            ASSERT_NE(timer, 0u);
            app.Run();
            ::KillTimer(nullptr, timer);
            EXPECT_TRUE(g_bShown);
            for (const StoredValue& saved : values)
            {
                const std::optional<RawValue> raw = ReadRaw(saved.subKey, saved.name);
                ASSERT_TRUE(raw.has_value()) << saved.name;
                EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ)) << saved.name;
                if (!saved.bText)
                {
                    EXPECT_TRUE(IsIntegerText(raw->bytes)) << saved.name << " = " << raw->bytes;
                }
            }
        }
    }
}
} // namespace
