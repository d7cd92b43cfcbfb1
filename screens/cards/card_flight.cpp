#include "screens/cards/card_flight.h"

#include "ui/widgets/card_ctrl.h"

SCardFlight::SCardFlight(SCardCtrl& moving, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, int32_t delay)
    : ctrl(&moving),
      m_stepX(((toX - fromX) * (1 << kFractionBits)) / kSteps),
      m_stepY(((toY - fromY) * (1 << kFractionBits)) / kSteps),
      m_x(fromX * (1 << kFractionBits)),
      m_y(fromY * (1 << kFractionBits)),
      m_targetX(toX),
      m_targetY(toY),
      m_delay(delay) {
    ctrl->SetPos(int16_t(fromX), int16_t(fromY));
}

SCardFlight::Stage SCardFlight::Advance() {
    if (m_delay > 0) {
        --m_delay;
        return Stage::kWaiting;
    }
    if (m_stepsLeft > 0) {
        ctrl->SetVisible(true);
        m_x += m_stepX;
        m_y += m_stepY;
        ctrl->SetPos(int16_t(m_x >> kFractionBits), int16_t(m_y >> kFractionBits));
        return m_stepsLeft-- == kSteps ? Stage::kStarted : Stage::kMoving;
    }
    ctrl->SetPos(int16_t(m_targetX), int16_t(m_targetY));
    return Stage::kLanded;
}
