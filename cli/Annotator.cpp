#include "cli/Annotator.h"

namespace tickwright::cli {

namespace {

constexpr std::size_t kGathered = 1 << 20;

}  // namespace

Annotator::Annotator(const ScanOptions& options, ZoneIndex zone, bool replace, bool iso,
                     Writer write)
    : m_options(options), m_text(zone), m_replace(replace), m_iso(iso), m_write(std::move(write)) {
    for (const char16_t c : ZoneName(zone)) {
        m_zoneName.push_back(static_cast<char>(c));
    }
    m_out.reserve(kGathered + 4096);
}

std::size_t Annotator::Annotate(std::string_view text, bool more) {
    EpochScanner<char> scanner(text, m_options, more, m_afterWord);
    std::size_t written = 0;
    while (const std::optional<EpochNumber> number = scanner.Next()) {
        m_out.append(text.substr(written, (m_replace ? number->begin : number->end) - written));
        Annotation(*number);
        written = number->end;
        if (m_out.size() >= kGathered) {
            Flush();
        }
    }
    const std::size_t settled = scanner.Settled();
    m_out.append(text.substr(written, settled - written));
    if (m_out.size() >= kGathered) {
        Flush();
    }
    m_afterWord = scanner.SettledAfterWordCharacter();
    return settled;
}

void Annotator::Flush() {
    if (!m_out.empty()) {
        m_write(m_out);
        m_out.clear();
    }
}

void Annotator::Feed(std::string_view bytes) {
    if (m_heldBack.empty()) {
        m_heldBack.assign(bytes.substr(Annotate(bytes, true)));
        return;
    }
    m_heldBack.append(bytes);
    m_heldBack.erase(0, Annotate(m_heldBack, true));
}

void Annotator::Finish() {
    Annotate(m_heldBack, false);
    m_heldBack.clear();
    Flush();
}

void Annotator::Annotation(const EpochNumber& number) {
    if (!m_replace) {
        m_out += " [";
    }
    if (m_iso) {
        m_out += m_text.Iso(number.instant, number.shownDigits);
    } else {
        m_out += m_text.DateTime(number.instant, number.shownDigits);
        m_out += ' ';
        m_out += m_zoneName;
    }
    if (!m_replace) {
        m_out += ']';
    }
}

}  // namespace tickwright::cli
