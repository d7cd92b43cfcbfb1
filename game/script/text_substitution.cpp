// The text markers of script and conversation texts.
#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/maps/map.h"
#include "data/persons/npc_type.h"
#include "data/player/player.h"
#include "data/world/global_table.h"
#include "engine/base/c_string.h"
#include "engine/base/format_count.h"
#include "engine/base/minutes_per_day.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"

namespace {

constexpr uint64_t kCrimeGold = 100;  // the fine per point of crime
constexpr const char kGlobalMarker[] = "%Global:";

// Whether the marker starts at text, in any letter case.
bool startsWith(const char* text, const char* marker) {
    for (; *marker; ++text, ++marker)
        if (*text == '\0' || CharToLower(*text) != CharToLower(*marker)) return false;
    return true;
}

bool isAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// "an" or "a" for the first letter or digit at or after `from` in the text.
bool takesAn(const std::string& text, size_t from) {
    const auto reached = std::find_if(text.begin() + long(from), text.end(), isAsciiAlnum);
    return reached != text.end() && StrFindChar("aeiouAEIOU", *reached) >= 0;
}

// Where an article marker stood in the substituted text, and whether it is the capital one.
struct SArticleMark {
    size_t at;
    bool capital;
};

// Every article marker of a kind takes the article that its first occurrence calls for.
void insertArticles(std::string& text, const std::vector<SArticleMark>& marks) {
    std::optional<bool> an[2];
    for (const SArticleMark& mark : marks)
        if (!an[mark.capital]) an[mark.capital] = takesAn(text, mark.at);
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        const bool useAn = *an[mark->capital];
        text.insert(mark->at, mark->capital ? (useAn ? "An" : "A") : (useAn ? "an" : "a"));
    }
}

}  // namespace

void SScriptContext::SubstituteText(SString& text) const {
    const SPlayer* player = m_world.player;
    const uint32_t minutes = m_playScreen ? m_playScreen->GameMinutes() : 0;
    SString value;
    // The value of each marker, written when the marker is met; the article markers and the
    // globals' marker are read apart below.
    const struct {
        const char* marker;
        std::function<void(SString&)> fill;
    } markers[] = {
        {"%PCName%", [&](SString& out) { out.Assign(player ? player->Name().Text() : ""); }},
        {"%NPCName%", [&](SString& out) { out.Assign(m_npc ? m_npc->name.Text() : "?"); }},
        {"%PCRace%", [&](SString& out) { out.Assign(player ? player->RaceName() : ""); }},
        {"%PCCrimeGold%",
         [&](SString& out) {
             const uint64_t fine = player ? uint64_t(player->Crime()) * kCrimeGold : 0;
             FormatGoldShort(uint32_t(std::min<uint64_t>(fine, UINT32_MAX)), out);
         }},
        {"%PCGold%", [&](SString& out) { FormatGoldShort(player ? player->Gold() : 0, out); }},
        {"%PCDisease%",
         [&](SString& out) {
             out.Assign("");
             if (player) player->GetFirstDiseaseTitle(out);
         }},
        {"%Day%", [&](SString& out) { out.Format("%ld", long(minutes / kMinutesPerDay + 1)); }},
        {"%Date%",
         [&](SString& out) {
             out.Assign("");
             if (m_playScreen) m_playScreen->FormatDayTime(out);
         }},
        {"%Map%",
         [&](SString& out) {
             const SMap* map = m_playScreen ? m_playScreen->CurrentMap() : nullptr;
             out.Assign(map ? map->Title().Text() : "");
         }},
    };

    std::string result;
    std::vector<SArticleMark> articles;
    const char* in = text.Text();
    while (*in) {
        if (*in != '%') {
            result += *in++;
            continue;
        }
        if (startsWith(in, "%AAN%") || startsWith(in, "%CAAN%")) {
            const bool capital = startsWith(in, "%CAAN%");
            articles.push_back({result.size(), capital});
            in += capital ? 6 : 5;
            continue;
        }
        if (startsWith(in, kGlobalMarker)) {
            const char* name = in + sizeof(kGlobalMarker) - 1;
            const char* end = std::strchr(name, '%');
            // Unclosed, the marker names no global: it stays in the text as written.
            if (end == nullptr) {
                result += in;
                break;
            }
            const std::string global(name, end);
            const SGlobalVar* var = m_world.globals ? m_world.globals->Find(global.c_str()) : nullptr;
            if (var) result += var->m_value.Text();
            in = end + 1;
            continue;
        }
        const auto marker = std::find_if(std::begin(markers), std::end(markers),
                                         [&](const auto& entry) { return startsWith(in, entry.marker); });
        if (marker == std::end(markers)) {
            result += *in++;
            continue;
        }
        marker->fill(value);
        result += value.Text();
        in += std::strlen(marker->marker);
    }

    insertArticles(result, articles);
    text.Assign(result.c_str());
}
