#pragma once
// RecordingListener: a window, keyboard and mouse listener that writes every
// call it receives, tagged with its name, into a shared journal, so tests can
// check what was called, with what, and in which order across listeners.

#include <string>
#include <utility>  // std::move
#include <vector>

#include "engine/platform/iKeyboardListener.h"
#include "engine/platform/iMouseListener.h"
#include "engine/platform/iWindowEventListener.h"

class RecordingListener : public Engine::iWindowEventListener,
                          public Engine::iKeyboardListener,
                          public Engine::iMouseListener {
public:
    RecordingListener(std::string listener_name, std::vector<std::string>& shared_journal)
        : name(std::move(listener_name)), journal(shared_journal) {}

    void OnWindowClosed() override { Write("closed"); }
    void OnKeyUp(int key) override { Write("keyup " + std::to_string(key)); }
    void OnKeyDown(int key) override { Write("keydown " + std::to_string(key)); }
    void OnButtonDown(int button) override { Write("buttondown " + std::to_string(button)); }
    void OnButtonUp(int button) override { Write("buttonup " + std::to_string(button)); }
    void OnWheel(bool up) override { Write(up ? "wheel up" : "wheel down"); }
    void OnMove(int x, int y) override {
        Write("move " + std::to_string(x) + " " + std::to_string(y));
    }

private:
    void Write(const std::string& call) { journal.push_back(name + ": " + call); }

    std::string name;
    std::vector<std::string>& journal;
};
