// Screens, dialogs and controls that write every call they receive into a
// shared journal, for the framework and frame-loop tests.
#pragma once

#include "framework/Control.h"
#include "framework/DialogScreen.h"
#include "framework/Screen.h"

#include <string>
#include <vector>

using CJournal = std::vector<std::string>;

class CRecordingControl : public CControl
{
  public:
    CRecordingControl(CJournal& journal, std::string name, bool takesMouse = false)
        : m_journal(journal), m_name(std::move(name)), m_takes_mouse(takesMouse)
    {
    }
    bool OnMouseMove(int x, int y, std::uint32_t) override { return Mouse("move", x, y); }
    bool OnLButtonDown(int x, int y, std::uint32_t) override { return Mouse("ldown", x, y); }
    bool OnLButtonUp(int x, int y, std::uint32_t) override { return Mouse("lup", x, y); }
    bool OnRButtonUp(int x, int y, std::uint32_t) override { return Mouse("rup", x, y); }
    void OnKeyDown(int key) override { Add("key " + std::to_string(key)); }
    void OnChar(std::uint16_t c, std::uint16_t repeat) override
    {
        Add("char " + std::to_string(c) + " " + std::to_string(repeat));
    }
    void Update(float elapsed) override { Add("update " + std::to_string(static_cast<int>(elapsed))); }
    void Draw() override { Add("draw"); }
    void Reset() override { Add("reset"); }

  private:
    void Add(const std::string& what) { m_journal.push_back(m_name + "." + what); }
    bool Mouse(const char* what, int x, int y)
    {
        Add(std::string(what) + " " + std::to_string(x) + " " + std::to_string(y));
        return m_takes_mouse;
    }

    CJournal& m_journal;
    std::string m_name;
    bool m_takes_mouse;
};

template <class TBase> class CRecording : public TBase
{
  public:
    CRecording(CJournal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    void Update(float elapsed) override
    {
        Add("update " + std::to_string(static_cast<int>(elapsed)));
        TBase::Update(elapsed);
    }
    void Draw() override
    {
        Add("draw");
        TBase::Draw();
    }
    void Activate() override
    {
        Add("activate");
        TBase::Activate();
    }
    void OnKeyDown(int key) override
    {
        Add("key " + std::to_string(key));
        TBase::OnKeyDown(key);
    }
    void OnChar(std::uint16_t c, std::uint16_t repeat) override
    {
        Add("char " + std::to_string(c));
        TBase::OnChar(c, repeat);
    }
    void OnMouseMove(int x, int y, std::uint32_t flags) override
    {
        Add("move " + std::to_string(x) + " " + std::to_string(y));
        TBase::OnMouseMove(x, y, flags);
    }
    void OnLButtonDown(int x, int y, std::uint32_t flags) override
    {
        Add("ldown " + std::to_string(x) + " " + std::to_string(y));
        TBase::OnLButtonDown(x, y, flags);
    }
    void OnLButtonUp(int x, int y, std::uint32_t flags) override
    {
        Add("lup " + std::to_string(x) + " " + std::to_string(y));
        TBase::OnLButtonUp(x, y, flags);
    }
    void OnRButtonUp(int x, int y, std::uint32_t flags) override
    {
        Add("rup " + std::to_string(x) + " " + std::to_string(y));
        TBase::OnRButtonUp(x, y, flags);
    }
    void OnControl(CControl*) override { Add("control"); }
    void OnDialogClosed(int result, CDialogScreen* dialog) override
    {
        m_closed_dialog = dialog;
        Add("dialog closed " + std::to_string(result));
    }
    void OnScreenClosed(CScreen* screen) override
    {
        m_closed_screen = screen;
        Add("screen closed");
    }
    void OnCloseRequest() override { Add("close request"); }

    CDialogScreen* m_closed_dialog = nullptr;
    CScreen* m_closed_screen = nullptr;

  private:
    void Add(const std::string& what) { m_journal.push_back(m_name + "." + what); }

    CJournal& m_journal;
    std::string m_name;
};

using CRecordingScreen = CRecording<CScreen>;
using CRecordingDialog = CRecording<CDialogScreen>;
