// The player's standing: fame with its title, and crime with its fine.
#include <algorithm>

#include "data/player/player.h"

void SPlayer::AddFame(int32_t delta) {
    m_fame = int16_t(std::clamp<int64_t>(int64_t(m_fame) + delta, -kMaxFame, kMaxFame));
    SString text;
    text.Format("Your fame has been %s.", delta >= 0 ? "increased" : "decreased");
    show(text.Text());
}

const char* SPlayer::GetFameTitle() const {
    // Only the exact ends of the scale have their own titles: beyond them fame reads as the step
    // before.
    if (m_fame == 100) return "Saint";
    if (m_fame == -100) return "Demonic";
    if (m_fame >= 80) return "Blessed";
    if (m_fame >= 50) return "Blameless";
    if (m_fame >= 20) return "Virtuous";
    if (m_fame > 0) return "Good";
    if (m_fame == 0) return "Neutral";
    if (m_fame < -79) return "Pure evil";
    if (m_fame < -49) return "Evil";
    if (m_fame < -19) return "Corrupt";
    return "Immoral";
}

void SPlayer::AddCrime(int32_t delta) {
    m_crime = uint32_t(std::clamp<int64_t>(int64_t(m_crime) + delta, 0, kMaxCrime));
    if (delta > 0)
        show("You have committed a crime.");
    else
        show(m_crime > 0 ? "Your criminal status has lessened." : "Your crime records have been cleared.");
}

void SPlayer::ClearCrime() {
    if (m_crime == 0) return;
    m_crime = 0;
    show("Your crime records have been cleared.");
}
