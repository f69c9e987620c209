#include "cli/Annotator.h"

namespace tickwright::cli {

Annotator::Annotator(const ScanOptions& options, ZoneIndex zone, bool replace, bool iso,
                     Writer write)
    : m_options(options), m_text(zone), m_replace(replace), m_iso(iso), m_write(std::move(write)) {
    for (const char16_t c : ZoneName(zone)) {
        m_zoneName.push_back(static_cast<char>(c));
    }
    m_annotation.reserve(96);
}

std::size_t Annotator::Annotate(std::string_view text, bool more) {
    EpochScanner<char> scanner(text, m_options, more, m_afterWord);
    std::size_t written = 0;
    while (const std::optional<EpochNumber> number = scanner.Next()) {
        m_write(text.substr(written, (m_replace ? number->begin : number->end) - written));
        Annotation(*number);
        written = number->end;
    }
    const std::size_t settled = scanner.Settled();
    if (settled > written) {
        m_write(text.substr(written, settled - written));
    }
    m_afterWord = scanner.SettledAfterWordCharacter();
    return settled;
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
}

void Annotator::Annotation(const EpochNumber& number) {
    m_annotation.clear();
    if (!m_replace) {
        m_annotation += " [";
    }
    if (m_iso) {
        m_annotation += m_text.Iso(number.instant, number.shownDigits);
    } else {
        m_annotation += m_text.DateTime(number.instant, number.shownDigits);
        m_annotation += ' ';
        m_annotation += m_zoneName;
    }
    if (!m_replace) {
        m_annotation += ']';
    }
    m_write(m_annotation);
}

}  // namespace tickwright::cli
