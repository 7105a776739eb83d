// The Linux locale: strftime formats translated into date-time patterns,
// and the user's formats read from the environment's real locales.
#if !defined(_WIN32)

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/posix_os.h"
#include "platform/posix/strftime_pattern.h"
#include "support/scoped_env.h"
#include "text/date_time_format.h"
#include "text/utf.h"

namespace {

using vcom::testing::ScopedEnv;
using vcom::text::CivilTime;
using vcom::text::formatDateTimePattern;

constexpr CivilTime kMorning{2007, 3, 4, 5, 6, 7};

struct StrftimeCase {
    const char16_t* format;
    const char16_t* twelveHour;
    const char16_t* pattern;
};

TEST(StrftimePattern, TranslatesLocaleFormats) {
    const StrftimeCase cases[] = {
        {u"%m/%d/%Y", u"", u"MM/dd/yyyy"},
        {u"%m/%d/%y", u"", u"MM/dd/yy"},
        {u"%d.%m.%Y", u"", u"dd.MM.yyyy"},
        {u"%Y年%m月%d日", u"", u"yyyy年MM月dd日"},
        {u"%e/%-m/%Y", u"", u"d/M/yyyy"},
        {u"%D", u"", u"MM/dd/yy"},
        {u"%H:%M:%S", u"", u"HH:mm:ss"},
        {u"%T", u"", u"HH:mm:ss"},
        {u"%r", u"%I:%M:%S %p", u"hh:mm:ss tt"},
        {u"%r", u"%r", u"hh:mm:ss tt"},
        {u"%r", u"", u"hh:mm:ss tt"},
        {u"%l:%M %p", u"", u"h:mm tt"},
        {u"%OH.%EY", u"", u"HH.yyyy"},
        {u"%H h %M min", u"", u"HH \\h mm \\min"},
        {u"%A %d 'x' \\ %% %Z", u"", u" dd \\'x\\' \\\\ % "},
        {u"%H%", u"", u"HH"},
    };
    for (const StrftimeCase& c : cases) {
        EXPECT_EQ(vcom::text::toUtf8(vcom::platform::patternFromStrftime(c.format, c.twelveHour)),
                  vcom::text::toUtf8(c.pattern))
            << vcom::text::toUtf8(c.format);
    }
}

TEST(StrftimePattern, TranslatedLiteralsSurviveFormatting) {
    // A locale's literal letters must come out as letters, not as fields.
    const std::u16string pattern = vcom::platform::patternFromStrftime(u"%H h %M 'min' \"s\"");
    EXPECT_EQ(formatDateTimePattern(kMorning, pattern), u"05 h 06 'min' \"s\"");
}

// Compiles two locales into a private folder once; the machine itself may
// have none but C and POSIX.
class PosixUserLocale : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sFolder = std::filesystem::temp_directory_path() / ("vantorel-locales-" + std::to_string(::getpid()));
        std::filesystem::create_directories(*sFolder);
        for (const char* name : {"de_DE", "en_US"}) {
            const std::string command = std::string("localedef -i ") + name + " -f ISO-8859-1 '" +
                                        (*sFolder / (std::string(name) + ".ISO-8859-1")).string() +
                                        "' >/dev/null 2>&1";
            sCompiled = std::system(command.c_str()) == 0 && sCompiled;
        }
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        if (sFolder) std::filesystem::remove_all(*sFolder, ignored);
    }

    // The formats with LC_TIME and LC_NUMERIC set to `name`.
    static vcom::platform::LocaleFormat formatsOf(const std::string& name) {
        ScopedEnv path("LOCPATH", sFolder->string());
        ScopedEnv all("LC_ALL", std::nullopt);
        ScopedEnv time("LC_TIME", name);
        ScopedEnv numeric("LC_NUMERIC", name);
        return vcom::platform::PosixOs().userLocale();
    }

    static inline std::optional<std::filesystem::path> sFolder;
    static inline bool sCompiled = true;
};

struct LocaleCase {
    const char* name;
    const char16_t* decimalSeparator;
    const char16_t* shortDate;
    const char16_t* longTime;
    const char16_t* am;
    const char16_t* pm;
};

TEST_F(PosixUserLocale, ReadsNumberAndDateTimeFormats) {
    if (!sCompiled) GTEST_SKIP() << "localedef could not build the test locales";
    const vcom::platform::LocaleFormat defaults;
    const LocaleCase cases[] = {
        {"C", u".", u"MM/dd/yy", u"HH:mm:ss", u"AM", u"PM"},
        {"de_DE.ISO-8859-1", u",", u"dd.MM.yyyy", u"HH:mm:ss", u"", u""},
        {"en_US.ISO-8859-1", u".", u"MM/dd/yyyy", u"hh:mm:ss tt", u"AM", u"PM"},
        // A locale that does not exist leaves every default in place.
        {"xx_YY.UTF-8", defaults.decimalSeparator.c_str(), defaults.shortDatePattern.c_str(),
         defaults.longTimePattern.c_str(), defaults.amDesignator.c_str(), defaults.pmDesignator.c_str()},
    };
    for (const LocaleCase& c : cases) {
        const vcom::platform::LocaleFormat f = formatsOf(c.name);
        EXPECT_EQ(f.decimalSeparator, c.decimalSeparator) << c.name;
        EXPECT_EQ(f.negativeSign, u"-") << c.name;
        EXPECT_EQ(vcom::text::toUtf8(f.shortDatePattern), vcom::text::toUtf8(c.shortDate)) << c.name;
        EXPECT_EQ(vcom::text::toUtf8(f.longTimePattern), vcom::text::toUtf8(c.longTime)) << c.name;
        EXPECT_EQ(f.amDesignator, c.am) << c.name;
        EXPECT_EQ(f.pmDesignator, c.pm) << c.name;
    }
}

}  // namespace

#endif  // !_WIN32
