#include <gtest/gtest.h>

#include <string>

#include "manager/config_text.h"
#include "text/utf.h"

namespace {

using vcom::config::parse;
using vcom::config::update;
using vcom::config::updateUtf8;

// UTF-8 in, so that failures print readably.
std::u16string u(const char* text) { return vcom::text::fromUtf8(text); }

struct ReadCase {
    const char* name;
    const char* text;
    const char* key;
    bool doNotShowDialog;
};

TEST(ConfigText, ReadsEntries) {
    const ReadCase cases[] = {
        {"empty text", "", "", false},
        {"both entries", "KXAPIKey: abc\r\nDoNotShowDialogInitialization: yes\r\n", "abc", true},
        {"key keeps its trailing blank", "KXAPIKey: abc \r\n", "abc ", false},
        {"key keeps inner text verbatim", "KXAPIKey:  a: b\r\n", " a: b", false},
        {"blank before the prefix is no entry", " KXAPIKey: abc\r\n DoNotShowDialogInitialization: yes\r\n", "", false},
        {"prefix is case-sensitive", "kxapikey: abc\r\ndonotshowdialoginitialization: yes\r\n", "", false},
        {"prefix needs its blank", "KXAPIKey:abc\r\n", "", false},
        {"no in capitals", "DoNotShowDialogInitialization: NO\r\n", "", false},
        {"no in mixed case", "DoNotShowDialogInitialization: nO", "", false},
        {"nothing after the prefix", "DoNotShowDialogInitialization: \r\n", "", true},
        {"false", "DoNotShowDialogInitialization: false\r\n", "", true},
        {"zero", "DoNotShowDialogInitialization: 0\r\n", "", true},
        {"no with a blank", "DoNotShowDialogInitialization: no \r\n", "", true},
        {"later key line wins", "KXAPIKey: first\r\nKXAPIKey: second\r\n", "second", false},
        {"later flag line wins", "DoNotShowDialogInitialization: no\r\nDoNotShowDialogInitialization: yes", "", true},
        {"LF breaks", "KXAPIKey: a\nDoNotShowDialogInitialization: yes\n", "a", true},
        {"CR breaks", "KXAPIKey: a\rDoNotShowDialogInitialization: yes\r", "a", true},
        {"last line without break", "x\r\nKXAPIKey: last", "last", false},
        {"non-ASCII key", "KXAPIKey: clé€\r\n", "clé€", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto entries = parse(u(c.text));
        EXPECT_EQ(entries.key, u(c.key));
        EXPECT_EQ(entries.doNotShowDialog, c.doNotShowDialog);
    }
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* after;  // with key "K1" and the flag set
};

const WriteCase kWriteCases[] = {
    {"empty file", "", "KXAPIKey: K1\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"CR LF entries", "KXAPIKey: old\r\nDoNotShowDialogInitialization: no\r\n",
     "KXAPIKey: K1\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"LF entries and a comment", "# c\nKXAPIKey: old\nDoNotShowDialogInitialization: no\n",
     "# c\nKXAPIKey: K1\nDoNotShowDialogInitialization: yes\n"},
    {"CR breaks, flag missing", "KXAPIKey: old\rx\r", "KXAPIKey: K1\rx\rDoNotShowDialogInitialization: yes\r\n"},
    {"mixed breaks", "a\r\nKXAPIKey: old\nb\n\rDoNotShowDialogInitialization: no\r",
     "a\r\nKXAPIKey: K1\nb\n\rDoNotShowDialogInitialization: yes\r"},
    {"entry is the last line without break", "DoNotShowDialogInitialization: no\r\nKXAPIKey: old",
     "DoNotShowDialogInitialization: yes\r\nKXAPIKey: K1"},
    {"other last line without break", "other",
     "other\r\nKXAPIKey: K1\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"two key lines", "KXAPIKey: a\r\nKXAPIKey: b\r\n",
     "KXAPIKey: K1\r\nKXAPIKey: K1\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"prefix inside other lines", "note KXAPIKey: old\r\nKXAPIKey: old\r\nxKXAPIKey: old",
     "note KXAPIKey: old\r\nKXAPIKey: K1\r\nxKXAPIKey: old\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"blank before the prefix", " KXAPIKey: old\r\n",
     " KXAPIKey: old\r\nKXAPIKey: K1\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"empty lines kept", "\r\n\r\nKXAPIKey: old\r\n\r\n",
     "\r\n\r\nKXAPIKey: K1\r\n\r\nDoNotShowDialogInitialization: yes\r\n"},
    {"flag line holding the key prefix", "DoNotShowDialogInitialization: KXAPIKey: x\r\n",
     "DoNotShowDialogInitialization: yes\r\nKXAPIKey: K1\r\n"},
};

TEST(ConfigText, WriterReplacesEntryLinesAndKeepsTheRest) {
    for (const auto& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(update(u(c.before), u"K1", true), u(c.after));
    }
}

TEST(ConfigText, ByteWriterMatchesTheTextWriter) {
    for (const auto& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(updateUtf8(c.before, u"K\u00e9", false), vcom::text::toUtf8(update(u(c.before), u"K\u00e9", false)));
    }
}

TEST(ConfigText, ByteWriterKeepsLinesThatAreNotUtf8) {
    const std::string before = "# caf\xE9\r\nKXAPIKey: old\xFF\r\n\xC3";
    EXPECT_EQ(updateUtf8(before, u"new", true),
              "# caf\xE9\r\nKXAPIKey: new\r\n\xC3\r\nDoNotShowDialogInitialization: yes\r\n");
}

TEST(ConfigText, ReadAfterWriteGivesBackWhatWasWritten) {
    struct Written {
        const char16_t* key;
        bool doNotShowDialog;
    };
    const Written values[] = {{u"K1", true}, {u"", false}, {u"ends in blank ", false}, {u"NO", true}};
    for (const auto& c : kWriteCases) {
        for (const auto& v : values) {
            SCOPED_TRACE(std::string(c.name) + " / " + vcom::text::toUtf8(v.key));
            const std::u16string once = update(u(c.before), v.key, v.doNotShowDialog);
            const auto entries = parse(once);
            EXPECT_EQ(entries.key, v.key);
            EXPECT_EQ(entries.doNotShowDialog, v.doNotShowDialog);
            EXPECT_EQ(update(once, v.key, v.doNotShowDialog), once) << "a second write changes nothing";
        }
    }
}

}  // namespace
