#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/api/dialogs.h"
#include "platform/api/printer.h"

class QPagedPaintDevice;
class QPrinter;

namespace fortunara {

// Prints jobs on the default printer, one line of DejaVu Sans Mono per job line. A machine
// without a printer gets each job as a PDF file in "stampe" under the program folder, and the
// user is told the file's name.
class QtPrinter : public Printer {
public:
    QtPrinter(std::filesystem::path programFolder, Dialogs& dialogs, QWidget* parent = nullptr);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // The printer dialog; with no printer (or ForcePdf) a message that says where prints go.
    bool ChoosePrinter() override;

    // Sends every job to a PDF file even when a printer is there.
    void ForcePdf(bool force) { forcePdf_ = force; }
    // The PDF file written last; empty before the first one.
    const std::filesystem::path& LastFile() const { return lastFile_; }

    // A job line as it goes on paper: the printer command ESC "M" and every other control
    // character are left out.
    static std::string PaperText(const std::string& line);

protected:
    void Deliver(const PrintJob& job) override;

private:
    void DeliverToPdf(const PrintJob& job);
    void DeliverToPrinter(const PrintJob& job);

    std::filesystem::path programFolder_;
    Dialogs& dialogs_;
    QPointer<QWidget> parent_;
    std::unique_ptr<QPrinter> printer_;
    std::filesystem::path lastFile_;
    bool forcePdf_ = false;
};

// Draws a job on a paged device (printer or PDF); false when painting could not start.
bool RenderPrintJob(const PrintJob& job, QPagedPaintDevice& device);

}  // namespace fortunara
