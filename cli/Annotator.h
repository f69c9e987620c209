#pragma once

// Annotates a stream of bytes: after every epoch number found by the core's
// rule (EpochScanner.h) it inserts " [DATE TIME ZONE]" (or ISO 8601, or the
// text in place of the number); every other byte passes through unchanged,
// invalid UTF-8, NUL bytes, CR LF and a last line without a line end alike.
// The input comes in pieces of any size, so a line of any length costs
// constant memory: what is held back between pieces is at most the start of
// one number.
//   Annotator annotate(options, 20, false, false, [&](std::string_view bytes) { ... });
//   annotate.Feed("ts=17000000");
//   annotate.Feed("00123 ok\n");
//   annotate.Finish();   // wrote "ts=1700000000123 [2023-11-15 06:13:20.123 UTC+08H] ok\n"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/EpochScanner.h"
#include "core/EpochText.h"
#include "core/Zones.h"

namespace tickwright::cli {

class Annotator {
public:
    // `write` takes the output, in pieces of about a megabyte (gathered here,
    // so that each number costs no call), and the rest at Flush or Finish.
    using Writer = std::function<void(std::string_view bytes)>;
    Annotator(const ScanOptions& options, ZoneIndex zone, bool replace, bool iso, Writer write);

    // Where the next piece of the input goes: room for about a megabyte,
    // straight after what the last piece held back (at most 30 bytes, the
    // start of a number that may go on). A reader reads into it and says
    // how much came with Commit.
    std::span<char> Room();
    // Annotates the `got` bytes just put into Room(), after what was held
    // back.
    void Commit(std::size_t got);
    // The same for bytes anywhere in memory: copied into Room(), a room at a
    // time.
    void Feed(std::string_view bytes);
    // The end of the input: what was held back is judged and written.
    void Finish();
    // Hands on what is gathered (before a message that must come after it).
    void Flush();

private:
    // Annotates `text` and says how much of it is done; `more`: more input
    // follows.
    std::size_t Annotate(std::string_view text, bool more);
    void Annotation(const EpochNumber& number);

    ScanOptions m_options;
    EpochText m_text;
    std::string m_zoneName;
    bool m_replace;
    bool m_iso;
    Writer m_write;
    std::vector<char> m_buffer;  // what was held back, then the room
    std::size_t m_held = 0;
    bool m_afterWord = false;
    std::string m_out;  // gathered for `write`
};

}  // namespace tickwright::cli
