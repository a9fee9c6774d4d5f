#include "tools/soundgen/notation.h"

#include <sstream>

namespace glyphora::soundgen {

std::vector<std::string> CharacterSteps(const std::string& text) {
    std::vector<std::string> steps;
    for (char c : text) {
        if (c != ' ' && c != '|') steps.emplace_back(1, c);
    }
    return steps;
}

std::vector<std::string> WordSteps(const std::string& text) {
    std::string spaced = text;
    for (char& c : spaced) {
        if (c == '|') c = ' ';
    }
    std::vector<std::string> steps;
    std::stringstream words(spaced);
    for (std::string word; words >> word;) steps.push_back(word);
    return steps;
}

std::vector<StepEvent> ReadSteps(const std::vector<std::string>& steps) {
    std::vector<StepEvent> events;
    bool sounding = false;
    for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
        const std::string& token = steps[static_cast<std::size_t>(i)];
        if (token == "-") {
            if (sounding) ++events.back().length;
        } else if (token == ".") {
            sounding = false;
        } else {
            events.push_back({i, 1, token});
            sounding = true;
        }
    }
    return events;
}

}  // namespace glyphora::soundgen
