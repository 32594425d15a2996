#include "platform/midi_file.h"

#include <algorithm>
#include <stdexcept>

namespace kvarnel::platform {
namespace {

constexpr uint32_t kDefaultMicrosPerQuarter = 500000;  // 120 beats per minute
// Longest piece accepted. With tempos below 2^24 microseconds per quarter it
// keeps the sum of ticks x tempo below 2^63; at 96 ticks per quarter and
// 120 bpm it is still some 180 years.
constexpr uint64_t kMaxTicks = uint64_t{1} << 39;
constexpr uint32_t kMaxVarLen = 0x0FFFFFFF;  // four bytes of seven bits

struct TempoChange {
    uint64_t tick = 0;
    uint32_t microsPerQuarter = kDefaultMicrosPerQuarter;
};

// A bounds-checked reading position; every read fails instead of passing
// the end of its bytes.
class Cursor {
public:
    explicit Cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    size_t remaining() const { return bytes_.size() - pos_; }

    std::optional<uint8_t> byte() {
        if (atEnd()) return std::nullopt;
        return bytes_[pos_++];
    }

    std::optional<uint32_t> bigEndian(int count) {
        if (remaining() < static_cast<size_t>(count)) return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | bytes_[pos_++];
        return value;
    }

    // A variable-length quantity: at most four bytes, seven bits each.
    std::optional<uint32_t> varLen() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b) return std::nullopt;
            value = (value << 7) | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0) return value;
        }
        return std::nullopt;
    }

    std::optional<std::span<const uint8_t>> take(size_t count) {
        if (count > remaining()) return std::nullopt;
        const auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

// Data bytes that follow a channel status byte.
int channelDataLength(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Reads one "MTrk" body; returns the tick of its last event and appends its
// tempo changes.
std::optional<uint64_t> readTrack(std::span<const uint8_t> body, std::vector<TempoChange>& tempos) {
    Cursor in(body);
    uint64_t tick = 0;
    uint8_t running = 0;  // 0: no running status yet
    while (!in.atEnd()) {
        const auto delta = in.varLen();
        if (!delta) return std::nullopt;
        tick += *delta;
        if (tick > kMaxTicks) return std::nullopt;
        const auto first = in.byte();
        if (!first) return std::nullopt;

        size_t dataBytes = 0;
        if (*first < 0x80) {
            // Running status: this byte is already the first data byte.
            if (running == 0) return std::nullopt;
            dataBytes = static_cast<size_t>(channelDataLength(running) - 1);
        } else if (*first < 0xF0) {
            running = *first;
            dataBytes = static_cast<size_t>(channelDataLength(running));
        } else if (*first == 0xF0 || *first == 0xF7) {
            const auto length = in.varLen();
            if (!length) return std::nullopt;
            dataBytes = *length;
        } else if (*first == 0xFF) {
            const auto type = in.byte();
            const auto length = type ? in.varLen() : std::nullopt;
            if (!length) return std::nullopt;
            const auto data = in.take(*length);
            if (!data) return std::nullopt;
            if (*type == 0x51) {
                if (data->size() != 3) return std::nullopt;
                const uint32_t micros = (uint32_t{(*data)[0]} << 16) | (uint32_t{(*data)[1]} << 8) | (*data)[2];
                tempos.push_back({tick, micros});
            } else if (*type == 0x2F) {
                return tick;  // whatever follows in the chunk is not played
            }
        } else {
            return std::nullopt;  // system common and real-time bytes are not file events
        }
        if (!in.take(dataBytes)) return std::nullopt;
    }
    return tick;
}

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
    if (value > kMaxVarLen) throw std::invalid_argument("makeMidiFile: a time step does not fit in a MIDI delta time");
    uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

}  // namespace

std::optional<int64_t> midiDurationMs(std::span<const uint8_t> smf) {
    Cursor in(smf);
    const auto headerTag = in.take(4);
    if (!headerTag || !std::equal(headerTag->begin(), headerTag->end(), "MThd")) return std::nullopt;
    const auto headerLength = in.bigEndian(4);
    if (!headerLength || *headerLength < 6) return std::nullopt;
    const auto header = in.take(*headerLength);
    if (!header) return std::nullopt;
    Cursor fields(*header);
    const uint32_t format = *fields.bigEndian(2);
    const uint32_t trackCount = *fields.bigEndian(2);
    const uint32_t division = *fields.bigEndian(2);
    if (format > 1 || trackCount == 0) return std::nullopt;
    if (division == 0 || (division & 0x8000) != 0) return std::nullopt;  // SMPTE time is not read

    std::vector<TempoChange> tempos;
    uint64_t lastTick = 0;
    uint32_t tracksRead = 0;
    while (tracksRead < trackCount) {
        const auto tag = in.take(4);
        const auto length = tag ? in.bigEndian(4) : std::nullopt;
        const auto body = length ? in.take(*length) : std::nullopt;
        if (!body) return std::nullopt;
        if (!std::equal(tag->begin(), tag->end(), "MTrk")) continue;  // a chunk of another kind
        const auto end = readTrack(*body, tempos);
        if (!end) return std::nullopt;
        lastTick = std::max(lastTick, *end);
        ++tracksRead;
    }

    // Tempo changes act on every track from their tick on. Both factors are
    // bounded (ticks by kMaxTicks, tempo by 2^24), so the sum stays in range.
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    uint64_t tickMicros = 0;  // sum of ticks x microseconds per quarter
    uint64_t segmentStart = 0;
    uint32_t tempo = kDefaultMicrosPerQuarter;
    for (const TempoChange& change : tempos) {
        tickMicros += (change.tick - segmentStart) * tempo;
        segmentStart = change.tick;
        tempo = change.microsPerQuarter;
    }
    tickMicros += (lastTick - segmentStart) * tempo;
    return static_cast<int64_t>(tickMicros / (uint64_t{division} * 1000));
}

std::vector<uint8_t> makeMidiFile(std::span<const MidiNote> notes, uint32_t microsPerQuarter) {
    microsPerQuarter = std::clamp<uint32_t>(microsPerQuarter, 1, 0xFFFFFF);
    const auto toTicks = [&](uint64_t ms) {
        const uint64_t scaled = ms * 1000 * kMakeMidiDivision;
        return (2 * scaled + microsPerQuarter) / (2 * uint64_t{microsPerQuarter});
    };

    struct Event {
        uint64_t tick;
        bool on;
        uint8_t key;
    };
    std::vector<Event> events;
    uint64_t endTick = 0;
    for (const MidiNote& note : notes) {
        const uint8_t key = std::min<uint8_t>(note.key, 127);
        const uint64_t on = toTicks(note.startMs);
        const uint64_t off = toTicks(uint64_t{note.startMs} + note.lengthMs);
        events.push_back({on, true, key});
        events.push_back({off, false, key});
        endTick = std::max(endTick, off);
    }
    // At equal times a note ends before the next one starts, so a key that is
    // struck again right after it was released sounds again.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
    });

    std::vector<uint8_t> track = {0x00, 0xFF, 0x51, 0x03};
    appendBigEndian(track, microsPerQuarter, 3);
    track.insert(track.end(), {0x00, 0xC0, 0x00});  // program 0 on channel 0
    uint64_t tick = 0;
    for (const Event& event : events) {
        appendVarLen(track, static_cast<uint32_t>(std::min<uint64_t>(event.tick - tick, uint64_t{kMaxVarLen} + 1)));
        track.insert(track.end(), {static_cast<uint8_t>(event.on ? 0x90 : 0x80), event.key,
                                   static_cast<uint8_t>(event.on ? 100 : 0)});
        tick = event.tick;
    }
    appendVarLen(track, static_cast<uint32_t>(std::min<uint64_t>(endTick - tick, uint64_t{kMaxVarLen} + 1)));
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 0, 2);  // format 0
    appendBigEndian(out, 1, 2);  // one track
    appendBigEndian(out, kMakeMidiDivision, 2);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    appendBigEndian(out, static_cast<uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

}  // namespace kvarnel::platform
