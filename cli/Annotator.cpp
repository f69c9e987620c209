#include "cli/Annotator.h"

#include <algorithm>
#include <cstring>

namespace tickwright::cli {

namespace {

constexpr std::size_t kGathered = 1 << 20;
// A piece of input read at once, and room before it for what the last one
// held back.
constexpr std::size_t kPiece = 1 << 20;
constexpr std::size_t kMostHeldBack = 64;

}  // namespace

Annotator::Annotator(const ScanOptions& options, ZoneIndex zone, bool replace, bool iso,
                     Writer write)
    : m_options(options),
      m_text(zone),
      m_replace(replace),
      m_iso(iso),
      m_write(std::move(write)),
      m_buffer(kMostHeldBack + kPiece) {
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

std::span<char> Annotator::Room() {
    return std::span<char>(m_buffer).subspan(m_held);
}

void Annotator::Commit(std::size_t got) {
    const std::string_view text(m_buffer.data(), m_held + got);
    const std::size_t done = Annotate(text, true);
    m_held = text.size() - done;
    std::memmove(m_buffer.data(), m_buffer.data() + done, m_held);
}

void Annotator::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::span<char> room = Room();
        const std::size_t got = std::min(room.size(), bytes.size());
        std::memcpy(room.data(), bytes.data(), got);
        Commit(got);
        bytes.remove_prefix(got);
    }
}

void Annotator::Finish() {
    Annotate(std::string_view(m_buffer.data(), m_held), false);
    m_held = 0;
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
