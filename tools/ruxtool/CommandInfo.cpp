#include <algorithm>
#include <ostream>
#include <vector>

#include "Commands.h"
#include "Cp1252.h"
#include "ModelLoading.h"

namespace {

// Distinct texts in the order first seen.
class TextList {
public:
    void Add(const std::string& text) {
        if (std::find(m_texts.begin(), m_texts.end(), text) == m_texts.end()) m_texts.push_back(text);
    }
    void AddAll(const TextList& other) {
        for (const std::string& text : other.m_texts) Add(text);
    }
    std::string Joined(const std::string& whenEmpty) const {
        if (m_texts.empty()) return whenEmpty;
        std::string joined;
        for (const std::string& text : m_texts) joined += (joined.empty() ? "" : ", ") + text;
        return joined;
    }

private:
    std::vector<std::string> m_texts;
};

struct Summary {
    size_t frames = 0;
    uint64_t milliseconds = 0;
    TextList pictures, sounds, origins;

    void Add(const Summary& other) {
        frames += other.frames;
        milliseconds += other.milliseconds;
        pictures.AddAll(other.pictures);
        sounds.AddAll(other.sounds);
        origins.AddAll(other.origins);
    }
};

std::string PictureSize(const CBryDIB& image) {
    if (image.IsEmpty()) return "no picture";
    return std::to_string(image.width()) + "x" + std::to_string(image.RowCount()) + " " +
           std::to_string(image.BitCount()) + "-bit";
}

Summary Summarise(const CAnimation& animation) {
    Summary summary;
    summary.frames = animation.frames.size();
    for (const CFrame& frame : animation.frames) {
        summary.milliseconds += frame.displayTime;
        summary.pictures.Add(PictureSize(frame.image));
        if (!frame.sound.empty()) summary.sounds.Add(Cp1252ToUtf8(frame.sound));
        for (const auto& origin : frame.origins) summary.origins.Add(Cp1252ToUtf8(origin.first));
    }
    return summary;
}

std::string Frames(size_t count) { return std::to_string(count) + (count == 1 ? " frame" : " frames"); }

std::string AnimationLabel(const std::string& name) { return name.empty() ? "(unnamed)" : Cp1252ToUtf8(name); }

void PrintSummary(const CCharacterModel& model, std::ostream& out) {
    Summary total;
    std::vector<std::string> lines;
    for (const auto& [name, animation] : model.Animations()) {
        const Summary summary = Summarise(animation);
        lines.push_back("  " + AnimationLabel(name) + ": " + Frames(summary.frames) + ", " +
                        std::to_string(summary.milliseconds) + " ms; pictures " + summary.pictures.Joined("none") +
                        "; sounds " + summary.sounds.Joined("none") + "; origins " + summary.origins.Joined("none"));
        total.Add(summary);
    }
    out << "Character: " << Cp1252ToUtf8(model.CharacterName()) << '\n'
        << "Animations: " << model.AnimationCount() << " (" << Frames(total.frames) << ", " << total.milliseconds
        << " ms in all)\n";
    for (const std::string& line : lines) out << line << '\n';
    out << "Pictures: " << total.pictures.Joined("none") << '\n'
        << "Sounds: " << total.sounds.Joined("none") << '\n'
        << "Origins: " << total.origins.Joined("none") << '\n';
}

}  // namespace

int RunInfo(const std::string& file, std::ostream& out, std::ostream& err) {
    const LoadedModel loaded = LoadModelFile(file);
    if (!loaded.complete) {
        err << LoadFailureText(file, loaded) << '\n';
        return kExitFailure;
    }
    PrintSummary(loaded.model, out);
    return kExitOk;
}
