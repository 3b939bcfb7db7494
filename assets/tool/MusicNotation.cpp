#include "MusicNotation.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>

namespace assets {

namespace {

constexpr std::string_view kComment = "//";
constexpr int kDefaultVelocity = 96;

// One parsed step of a note line: a note or chord, a rest, or a bar check.
struct Step {
    enum class Kind { Sound, Rest, BarLine } kind = Kind::Rest;
    std::vector<std::uint8_t> keys;
    std::uint32_t ticks = 0;
};

struct TrackState {
    TuneTrack track;
    int line = 0;
    std::uint32_t position = 0;
    int velocity = kDefaultVelocity;
    bool hasInstrument = false;
    bool hasChannel = false;
};

std::vector<std::string_view> splitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r'))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '\r')
            ++at;
        if (at > start)
            words.push_back(text.substr(start, at - start));
    }
    return words;
}

bool isDirectiveWord(std::string_view word)
{
    if (word.empty() || word == "r")
        return false;
    for (char c : word) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
}

std::string formatBeats(double beats)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", beats);
    return text;
}

class Parser {
public:
    Parser(const std::string& sourceName, int ticksPerQuarter)
        : source_(sourceName)
    {
        tune_.ticksPerQuarter = ticksPerQuarter;
    }

    Tune parse(std::string_view text)
    {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            ++line_;
            parseLine(text.substr(start, end - start));
            start = end + 1;
        }
        finishTrack();
        return finish();
    }

private:
    [[noreturn]] void fail(const std::string& what) const { failAt(line_, what); }

    [[noreturn]] void failAt(int line, const std::string& what) const
    {
        throw std::runtime_error(source_ + ":" + std::to_string(line) + ": " + what);
    }

    int number(std::string_view word, int low, int high, const char* what) const
    {
        int value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
            fail(std::string(what) + " must be a whole number from " + std::to_string(low) + " to "
                + std::to_string(high) + ", not \"" + std::string(word) + "\"");
        return value;
    }

    void expectArguments(const std::vector<std::string_view>& words, std::size_t count) const
    {
        if (words.size() != count + 1)
            fail(std::string(words[0]) + " takes " + (count == 1 ? "one value" : "a name"));
    }

    void parseLine(std::string_view text)
    {
        const std::size_t comment = text.find(kComment);
        if (comment != std::string_view::npos)
            text = text.substr(0, comment);
        const std::vector<std::string_view> words = splitWords(text);
        if (words.empty())
            return;
        if (isDirectiveWord(words[0]))
            parseDirective(words);
        else
            playSteps(parseSteps(words, 0));
    }

    void parseDirective(const std::vector<std::string_view>& words)
    {
        const std::string_view word = words[0];
        if (word == "tempo" || word == "time") {
            if (current_)
                fail(std::string(word) + " belongs before the first track");
            expectArguments(words, 1);
            if (word == "tempo")
                tune_.beatsPerMinute = number(words[1], 20, 300, "tempo");
            else
                parseTimeSignature(words[1]);
        } else if (word == "define") {
            parseDefine(words);
        } else if (word == "track") {
            expectArguments(words, 1);
            startTrack(std::string(words[1]));
        } else if (word == "instrument" || word == "channel" || word == "velocity") {
            if (!current_)
                fail(std::string(word) + " belongs inside a track");
            expectArguments(words, 1);
            if (word == "instrument") {
                current_->track.program = number(words[1], 1, 128, "instrument") - 1;
                current_->hasInstrument = true;
            } else if (word == "channel") {
                if (!current_->track.notes.empty() || current_->position > 0)
                    fail("channel belongs before the track's first note");
                current_->track.channel = number(words[1], 1, 16, "channel") - 1;
                current_->hasChannel = true;
            } else {
                current_->velocity = number(words[1], 1, 127, "velocity");
            }
        } else {
            fail("unknown word \"" + std::string(word)
                + "\" (expected tempo, time, define, track, instrument, channel or velocity)");
        }
    }

    void parseTimeSignature(std::string_view text)
    {
        const std::size_t slash = text.find('/');
        if (slash == std::string_view::npos)
            fail("time is written as beats/value, like 3/4");
        tune_.beatsPerBar = number(text.substr(0, slash), 1, 16, "beats per bar");
        tune_.beatValue = noteValue(text.substr(slash + 1), "time");
    }

    void parseDefine(const std::vector<std::string_view>& words)
    {
        if (words.size() < 3)
            fail("define takes a name and the notes it stands for");
        const std::string name(words[1]);
        for (char c : name) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
            if (!plain)
                fail("a define's name is made of letters, digits and _, not \"" + name + "\"");
        }
        if (defines_.count(name))
            fail("\"" + name + "\" is already defined");
        defines_[name] = parseSteps(words, 2);
    }

    void startTrack(std::string name)
    {
        finishTrack();
        for (const TrackState& done : finished_) {
            if (done.track.name == name)
                fail("a second track named \"" + name + "\"");
        }
        current_ = TrackState {};
        current_->track.name = std::move(name);
        current_->track.channel = int(finished_.size()) % 16;
        current_->line = line_;
    }

    void finishTrack()
    {
        if (!current_)
            return;
        if (!current_->hasInstrument)
            failAt(current_->line, "track \"" + current_->track.name + "\" has no instrument line");
        for (const TrackState& done : finished_) {
            if (done.track.channel == current_->track.channel)
                failAt(current_->line,
                    "track \"" + current_->track.name + "\" uses channel " + std::to_string(current_->track.channel + 1)
                        + " like track \"" + done.track.name + "\"");
        }
        finished_.push_back(std::move(*current_));
        current_.reset();
    }

    int noteValue(std::string_view text, const char* what) const
    {
        for (int value : {1, 2, 4, 8, 16}) {
            if (text == std::to_string(value))
                return value;
        }
        fail(std::string(what) + " needs a note value of 1, 2, 4, 8 or 16, not \"" + std::string(text) + "\"");
    }

    std::uint32_t durationTicks(std::string_view text) const
    {
        const bool dotted = !text.empty() && text.back() == '.';
        const int value = noteValue(dotted ? text.substr(0, text.size() - 1) : text, "a note");
        const int whole = tune_.ticksPerQuarter * 4;
        if (whole % value != 0 || (dotted && (whole / value) % 2 != 0))
            fail("note value /" + std::string(text) + " is not a whole number of ticks at "
                + std::to_string(tune_.ticksPerQuarter) + " ticks per quarter note");
        const int ticks = whole / value;
        return std::uint32_t(dotted ? ticks + ticks / 2 : ticks);
    }

    [[noreturn]] void badNote(std::string_view token) const
    {
        fail("bad note \"" + std::string(token)
            + "\" (a note is C D E F G A B, then # or b if needed, then an octave, like F#4/8)");
    }

    std::uint8_t key(std::string_view text, std::string_view token) const
    {
        static const std::map<char, int> kSemitones
            = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
        if (text.empty() || !kSemitones.count(text[0]))
            badNote(token);
        int semitone = kSemitones.at(text[0]);
        std::size_t at = 1;
        if (at < text.size() && (text[at] == '#' || text[at] == 'b'))
            semitone += text[at++] == '#' ? 1 : -1;
        int octave = 0;
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, text.data() + text.size(), octave);
        if (error != std::errc() || end != text.data() + text.size() || first == end)
            badNote(token);
        const int midiKey = (octave + 1) * 12 + semitone;
        if (midiKey < 0 || midiKey > 127)
            fail("note \"" + std::string(token) + "\" is outside the MIDI range C-1 to G9");
        return std::uint8_t(midiKey);
    }

    std::vector<Step> parseSteps(const std::vector<std::string_view>& words, std::size_t first) const
    {
        std::vector<Step> steps;
        for (std::size_t i = first; i < words.size(); ++i) {
            const std::string_view token = words[i];
            if (token == "|") {
                steps.push_back({Step::Kind::BarLine, {}, 0});
                continue;
            }
            if (token[0] == '@') {
                const auto found = defines_.find(std::string(token.substr(1)));
                if (found == defines_.end())
                    fail("no define named \"" + std::string(token.substr(1)) + "\" above this line");
                steps.insert(steps.end(), found->second.begin(), found->second.end());
                continue;
            }
            const std::size_t slash = token.find('/');
            if (slash == std::string_view::npos)
                fail("\"" + std::string(token) + "\" has no note value (write it like C4/8 or r/4)");
            Step step;
            step.ticks = durationTicks(token.substr(slash + 1));
            const std::string_view pitches = token.substr(0, slash);
            if (pitches == "r") {
                step.kind = Step::Kind::Rest;
            } else {
                step.kind = Step::Kind::Sound;
                std::size_t start = 0;
                while (start <= pitches.size()) {
                    std::size_t plus = pitches.find('+', start);
                    if (plus == std::string_view::npos)
                        plus = pitches.size();
                    step.keys.push_back(key(pitches.substr(start, plus - start), token));
                    start = plus + 1;
                }
            }
            steps.push_back(std::move(step));
        }
        return steps;
    }

    void playSteps(const std::vector<Step>& steps)
    {
        if (!current_)
            fail("notes belong inside a track");
        if (!current_->hasInstrument)
            fail("track \"" + current_->track.name + "\" needs its instrument line before its notes");
        const std::uint32_t beatTicks = std::uint32_t(tune_.ticksPerQuarter * 4 / tune_.beatValue);
        const std::uint32_t barTicks = beatTicks * std::uint32_t(tune_.beatsPerBar);
        for (const Step& step : steps) {
            if (step.kind == Step::Kind::BarLine) {
                const std::uint32_t into = current_->position % barTicks;
                if (into != 0)
                    fail("bar line at beat " + formatBeats(1.0 + double(into) / beatTicks) + " of bar "
                        + std::to_string(current_->position / barTicks + 1) + ": a bar holds "
                        + std::to_string(tune_.beatsPerBar) + " beats");
                continue;
            }
            for (std::uint8_t k : step.keys)
                current_->track.notes.push_back({current_->position, step.ticks, k, std::uint8_t(current_->velocity)});
            current_->position += step.ticks;
        }
    }

    Tune finish()
    {
        if (finished_.empty())
            fail("the tune has no track");
        const std::uint32_t beatTicks = std::uint32_t(tune_.ticksPerQuarter * 4 / tune_.beatValue);
        const TrackState& first = finished_.front();
        for (const TrackState& state : finished_) {
            if (state.position != first.position)
                failAt(state.line,
                    "track \"" + state.track.name + "\" lasts " + formatBeats(double(state.position) / beatTicks)
                        + " beats but track \"" + first.track.name + "\" lasts "
                        + formatBeats(double(first.position) / beatTicks));
        }
        if (first.position == 0)
            failAt(first.line, "the tune has no notes");
        tune_.lengthTicks = first.position;
        for (TrackState& state : finished_)
            tune_.tracks.push_back(std::move(state.track));
        return std::move(tune_);
    }

    std::string source_;
    int line_ = 0;
    Tune tune_;
    std::map<std::string, std::vector<Step>> defines_;
    std::optional<TrackState> current_;
    std::vector<TrackState> finished_;
};

}  // namespace

Tune parseTune(std::string_view text, const std::string& sourceName, int ticksPerQuarter)
{
    return Parser(sourceName, ticksPerQuarter).parse(text);
}

}  // namespace assets
