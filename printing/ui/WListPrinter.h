#pragma once
// The printouts on a real printer: the print dialog through the UI port, then a QPainter on a
// QPrinter (or on a PDF file when the dialog chose one).
#include "printing/ListPrinter.h"

#include <QFont>
#include <QPainter>
#include <memory>

class PageFont;
class QPrinter;
class QWidget;
namespace platform {
class UiPort;
}

class WPrintDevice : public printing::PrintDevice {
public:
    WPrintDevice(QWidget* owner, platform::UiPort& ui);
    ~WPrintDevice() override;

    bool StartJob() override;
    printing::PageMetrics Metrics() const override;
    int TextHeight(const std::string& text) const override;
    bool NewPage() override;
    bool EndJob() override;
    void AbortJob() override;
    void DrawText(int x, int y, const std::string& text) override;
    void DrawLine(int x0, int y0, int x1, int y1) override;
    bool SelectFont(const platform::LOGFONTA& font) override;
    void RestoreFont() override;
    printing::CharMetrics FontMetrics() const override;
    void DrawTextBox(const printing::PrintRect& box, const std::string& text) override;
    bool SelectPen(int width) override;

private:
    QWidget* m_pOwner;
    platform::UiPort& m_ui;
    std::unique_ptr<QPrinter> m_pPrinter;
    QPainter m_painter;
    QFont m_defaultFont;
    std::unique_ptr<PageFont> m_pFont; // the selected font; none: the default font
};

namespace printing_detail {
// Holds the device so that it is made before and destroyed after the printer that drives it.
struct DeviceHolder {
    DeviceHolder(QWidget* owner, platform::UiPort& ui) : m_printDevice(owner, ui) {}
    WPrintDevice m_printDevice;
};
} // namespace printing_detail

class WListPrinter : private printing_detail::DeviceHolder, public printing::ListPrinter {
public:
    // The UI port defaults to the application's.
    explicit WListPrinter(QWidget* owner, bool autoStart = true);
    WListPrinter(QWidget* owner, platform::UiPort& ui, bool autoStart = true);
};

// Starts its job itself and prints in a font of its own.
class WSamplePrinter : public WListPrinter {
public:
    explicit WSamplePrinter(QWidget* owner) : WListPrinter(owner, false) {}
    WSamplePrinter(QWidget* owner, platform::UiPort& ui) : WListPrinter(owner, ui, false) {}
    int SelectPrintFont(const platform::LOGFONTA& font) { return Device().SelectFont(font) ? 1 : 0; }
    void RestorePrintFont() { Device().RestoreFont(); }
    void DrawTextBox(const printing::PrintRect& box, const std::string& text) {
        Device().DrawTextBox(box, text);
    }
    printing::PageMetrics GetPageSize() const { return Page(); }
};
