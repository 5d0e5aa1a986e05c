// The best scores in the test prefix's registry: which hive is read first, what stored texts read
// as, and where a score goes when the machine's key refuses it.
#include "quiz/quiz_scores.h"

#include "program_key.h"
#include "window_test.h"

#include <optional>
#include <string>

namespace
{
constexpr const char* kQuizKey = "Questionnaire";
constexpr const char* kReadName = "Meilleur score lecture";
constexpr const char* kPlaceName = "Meilleur score placement";

class QuizScoresTest : public CWindowTest
{
protected:
    // The user's key is moved aside too, so that each test starts with neither.
    CProgramKeyGuard m_machineKey{HKEY_LOCAL_MACHINE};
    CProgramKeyGuard m_userKey{HKEY_CURRENT_USER};
};

std::optional<std::string> StoredText(HKEY hHive, const char* pszName)
{
    const std::optional<RawValue> value = ReadRaw(kQuizKey, pszName, hHive);
    if (!value)
        return std::nullopt;
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    return std::string(value->bytes.c_str());
}

void Store(HKEY hHive, const char* pszName, const char* pszText)
{
    // With the terminating zero, as REG_SZ is written.
    StoreRaw(kQuizKey, pszName, REG_SZ, std::string(pszText) + '\0', hHive);
}

TEST_F(QuizScoresTest, TheUsersOwnValueComesFirstAndBadTextsReadAsNothing)
{
    const struct
    {
        const char* pszMachine; // null: no value
        const char* pszUser;
        int nRead;
    } cases[] = {
        {nullptr, nullptr, 0},
        {"7", nullptr, 7},
        {nullptr, "4", 4},
        {"9", "4", 4},
        {"10", nullptr, 10},
        {"8 points", nullptr, 8},
        {"11", nullptr, 0},
        {"-1", nullptr, 0},
        {"abc", nullptr, 0},
        {"", nullptr, 0},
        {"9", "abc", 0}, // the user's value stands, even
                         // when it reads as nothing
        {nullptr, "0", 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "machine " << (c.pszMachine ? c.pszMachine : "none") << ", user "
                                        << (c.pszUser ? c.pszUser : "none"));
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, ProgramKeyPath(kQuizKey).c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ProgramKeyPath(kQuizKey).c_str());
        if (c.pszMachine != nullptr)
            Store(HKEY_LOCAL_MACHINE, kReadName, c.pszMachine);
        if (c.pszUser != nullptr)
            Store(HKEY_CURRENT_USER, kReadName, c.pszUser);
        EXPECT_EQ(LoadBestScore(EQuizMode::Read), c.nRead);
        // Each mode has its own value.
        EXPECT_EQ(LoadBestScore(EQuizMode::Place), 0);
    }
}

TEST_F(QuizScoresTest, SavedBelowTheMachinesKeyAsText)
{
    ASSERT_TRUE(SaveBestScore(EQuizMode::Place, 6));
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, kPlaceName), "6");
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, kReadName), std::nullopt);
    EXPECT_FALSE(ProgramKeyExists(kQuizKey, HKEY_CURRENT_USER));
    EXPECT_EQ(LoadBestScore(EQuizMode::Place), 6);
    // Out of range, the nearest score is kept.
    ASSERT_TRUE(SaveBestScore(EQuizMode::Place, 14));
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, kPlaceName), "10");
}

TEST_F(QuizScoresTest, AMachineKeyThatRefusesSendsTheScoreToTheUsersKey)
{
    Store(HKEY_LOCAL_MACHINE, kReadName, "3");
    {
        CReadOnlyKeyScope readOnly(kQuizKey);
        ASSERT_TRUE(SaveBestScore(EQuizMode::Read, 8));
        EXPECT_EQ(StoredText(HKEY_CURRENT_USER, kReadName), "8");
        EXPECT_EQ(LoadBestScore(EQuizMode::Read), 8);
    }
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, kReadName), "3");
}

TEST_F(QuizScoresTest, AUsersValueIsKeptUpToDateWhenTheMachineTakesTheScore)
{
    Store(HKEY_CURRENT_USER, kReadName, "5");
    ASSERT_TRUE(SaveBestScore(EQuizMode::Read, 9));
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, kReadName), "9");
    EXPECT_EQ(StoredText(HKEY_CURRENT_USER, kReadName), "9");
    EXPECT_EQ(LoadBestScore(EQuizMode::Read), 9);
}

TEST_F(QuizScoresTest, FalseWhenNeitherHiveTakesIt)
{
    Store(HKEY_LOCAL_MACHINE, kReadName, "2");
    Store(HKEY_CURRENT_USER, kReadName, "2");
    {
        CReadOnlyKeyScope machine(kQuizKey, HKEY_LOCAL_MACHINE);
        CReadOnlyKeyScope user(kQuizKey, HKEY_CURRENT_USER);
        EXPECT_FALSE(SaveBestScore(EQuizMode::Read, 7));
        EXPECT_EQ(LoadBestScore(EQuizMode::Read), 2);
    }
}
} // namespace
