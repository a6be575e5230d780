#pragma once

#include "WindowsApi.h"
#include "app/CalcState.h"
#include "app/MessageBoxes.h"

#include <string>

class FileChooser;

// What the graph window offers besides its picture: the readout of the computed point under the
// pointer in a tooltip beside it, and "Копировать рисунок" (Ctrl+C), "Сохранить рисунок…"
// (Ctrl+S, PNG) and "Характерные точки…" as keys and a context menu. Like the paint, it reads the
// calculation state as it stands.
class GraphActions {
  public:
    // `window` paints its picture into any device context on WM_PRINTCLIENT.
    GraphActions(HWND window, const CalcState& state, MessageBoxes& boxes);
    ~GraphActions();
    GraphActions(const GraphActions&) = delete;
    GraphActions& operator=(const GraphActions&) = delete;

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // Messages of the window that concern them; true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CopyPicture();
    void SavePicture();
    void ShowCharacteristicPoints();

    // The readout the tooltip shows now, "" when hidden.
    const std::string& Readout() const { return readout_; }

  private:
    void ShowReadout(POINT client);
    void HideReadout();
    void ContextMenu(POINT screen);
    // The window's picture as on screen, drawn anew into a bitmap of its client size.
    HBITMAP Picture() const;

    HWND window_;
    const CalcState& state_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    HWND tooltip_ = nullptr;
    std::wstring tooltipText_; // the tooltip reads its text from here
    std::string readout_;
    bool tracking_ = false; // asked to be told when the pointer leaves
};
