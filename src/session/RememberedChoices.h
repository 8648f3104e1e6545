// SPDX-License-Identifier: GPL-3.0-or-later
// The choices a user makes once and finds again at the next start: where the file dialogs open,
// the full-size plan of both halves, and its paper. They live in tz.ini beside the language, in
// section "Choices"; where tz.ini cannot be written they hold for the run, and the user is told
// once, not at every file picked.
#pragma once

#include <map>
#include <string>
#include <string_view>

class LanguageState;

inline constexpr std::string_view kChoicesSection = "Choices";

class RememberedChoices {
public:
    explicit RememberedChoices(LanguageState& settings);

    // The folder of the last file opened or written, as UTF-8; "" before there is one.
    std::string folder() const;
    void setFolder(const std::string& folder);
    bool bothHalves() const;
    void setBothHalves(bool bothHalves);
    // The full-size plan's paper, by its name ("A4", "Letter"); "" before one was chosen.
    std::string paper() const;
    void setPaper(const std::string& paper);

private:
    std::string value(std::string_view key) const;
    void remember(std::string_view key, const std::string& value);

    LanguageState& settings_;
    std::map<std::string, std::string, std::less<>> heldForRun_;
    bool told_ = false; // tz.ini refused a choice and the user knows
};
