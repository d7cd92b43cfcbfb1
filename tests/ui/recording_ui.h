#pragma once
// Controls and dialogs that write down every event and drawing they get, in one shared log, so
// that tests can check who was offered what and in which order.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/game_data.h"
#include "ui/state.h"

namespace ui_test {

using Log = std::vector<std::string>;

// A control that takes the events of its input mask and answers each with a fixed id.
class RecordingCtrl : public SCtrl {
public:
    RecordingCtrl(Log& log, std::string name, uint8_t input, uint32_t answer = 0)
        : m_log(log), m_name(std::move(name)), m_answer(answer) {
        m_input = input;
    }

    uint32_t OnKey(uint32_t key) override { return answer("key " + std::to_string(key)); }
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override {
        return answer("pen " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(down) +
                      std::to_string(drag));
    }
    uint32_t OnTick(uint32_t arg) override { return answer("tick " + std::to_string(arg)); }
    void Draw() override { m_log.push_back(m_name + " draw"); }

private:
    uint32_t answer(const std::string& event) {
        m_log.push_back(m_name + " " + event);
        return m_answer;
    }

    Log& m_log;
    std::string m_name;

public:
    uint32_t m_answer;
};

// Writes down its draws and commands; a command answers m_result and can run a closing action.
template <class Base>
class Recording : public Base {
public:
    Recording(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    void Draw() override {
        m_log.push_back(m_name + " draw");
        Base::Draw();
    }
    uint32_t OnCommand(uint32_t id) override {
        m_log.push_back(m_name + " command " + std::to_string(id));
        if (m_onCommand) m_onCommand();
        return m_result;
    }

private:
    Log& m_log;
    std::string m_name;

public:
    uint32_t m_result = 0;
    std::function<void()> m_onCommand;
};

using RecordingDialog = Recording<SDialog>;
using RecordingState = Recording<SState>;

}  // namespace ui_test
