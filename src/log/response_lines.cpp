#include "log/response_lines.h"

namespace vcom::log {

namespace {

constexpr std::u16string_view kEntryEnd = u"||";
constexpr std::u16string_view kOrderEntry = u"||KX | ORD | RESP | ";
constexpr std::u16string_view kPositionEntry = u"||KX | POS | SYNC | ";

struct Appender {
    std::u16string& out;
    void put(char16_t c) { out.push_back(c); }
    void finish() {}
};

// Drops every "|" before the first other character.
struct LeadingPipeDropper {
    std::u16string& out;
    bool started = false;
    void put(char16_t c) {
        if (!started && c == u'|') return;
        started = true;
        out.push_back(c);
    }
    void finish() {}
};

// Replaces each "|<mark>|", found left to right without overlap, by
// `entry`, and passes the result on one character at a time. Chained, two
// of them give the same text as two replace passes one after the other,
// in a single scan of the input.
template <class Next>
class MarkReplacer {
public:
    MarkReplacer(char16_t mark, std::u16string_view entry, Next& next) : mMark(mark), mEntry(entry), mNext(next) {}

    void put(char16_t c) {
        if (mMatched == 2) {
            mMatched = 0;
            if (c == u'|') {
                for (char16_t e : mEntry) mNext.put(e);
                return;
            }
            mNext.put(u'|');
            mNext.put(mMark);
        } else if (mMatched == 1) {
            if (c == mMark) {
                mMatched = 2;
                return;
            }
            mMatched = 0;
            mNext.put(u'|');
        }
        if (c == u'|') {
            mMatched = 1;
        } else {
            mNext.put(c);
        }
    }

    void finish() {
        if (mMatched >= 1) mNext.put(u'|');
        if (mMatched == 2) mNext.put(mMark);
        mMatched = 0;
        mNext.finish();
    }

private:
    char16_t mMark;
    std::u16string_view mEntry;
    Next& mNext;
    int mMatched = 0;  // characters of "|<mark>" held back
};

template <class Sink>
void feed(Sink& sink, std::u16string_view text) {
    for (char16_t c : text) sink.put(c);
}

bool startsWithOrderMark(std::u16string_view lastError) {
    // The test applies to the answer with "||" appended, so "|O" counts.
    return lastError.starts_with(u"|O|") || lastError == u"|O";
}

}  // namespace

std::u16string orderResponseLine(std::u16string_view lastError) {
    std::u16string out;
    out.reserve(lastError.size() + kEntryEnd.size() + 32);
    if (!startsWithOrderMark(lastError)) {
        out += lastError;
        out += kEntryEnd;
        return out;
    }
    // The leading mark opens the first entry, whose "||" is cut off.
    out += kOrderEntry.substr(2);
    Appender sink{out};
    MarkReplacer replacer(u'O', kOrderEntry, sink);
    if (lastError.size() >= 3) {
        feed(replacer, lastError.substr(3));
        feed(replacer, kEntryEnd);
    } else {
        replacer.put(u'|');  // "|O" + "||": the mark took the first "|"
    }
    replacer.finish();
    return out;
}

std::u16string positionSyncResponseLine(std::u16string_view lastError) {
    if (lastError.empty()) return std::u16string(kEntryEnd);
    std::u16string out;
    out.reserve(lastError.size() + kEntryEnd.size() + 32);
    LeadingPipeDropper sink{out};
    MarkReplacer orderMarks(u'O', kPositionEntry, sink);
    MarkReplacer positionMarks(u'P', kPositionEntry, orderMarks);
    feed(positionMarks, lastError);
    feed(positionMarks, kEntryEnd);
    positionMarks.finish();
    return out;
}

}  // namespace vcom::log
