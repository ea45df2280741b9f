// What the buttons of the import window do.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "archive/core/address_settings.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_save.h"
#include "archive/core/web_import.h"
#include "archive/windows/append_question.h"
#include "archive/windows/browser.h"
#include "ui/read_error.h"

namespace fortunara {

void Browser::Tell(const std::string& text) {
    platform_.dialogs.Message(text, "Fortunara");
}

void Browser::OpenResultsPage() {
    timTimer->start();
    const std::string page = cboAddress->currentText().trimmed().toStdString();
    if (page.empty()) return Tell(kNoResultsPage);
    ArchiveAddresses addresses = ReadAddresses(state_.programFolder);
    if (addresses.resultsPage != page) {
        addresses.resultsPage = page;
        WriteAddresses(state_.programFolder, addresses);
    }
    const QString text = QString::fromStdString(page);
    if (cboAddress->findText(text) < 0) cboAddress->insertItem(0, text);
    cboAddress->setCurrentIndex(cboAddress->findText(text));
    if (!platform_.launcher.OpenAddress(page)) Tell("IMPOSSIBILE APRIRE LA PAGINA " + page + " NEL BROWSER");
}

void Browser::Convert() {
    Text4->setText("\t");
    Text3->clear();
    const std::string row = Text1->toPlainText().toStdString();
    if (row.empty()) return;
    if (const std::string fault = PastedRowFault(row); !fault.empty()) return Tell(fault);
    Text3->setText(QString::fromStdString(ConvertPastedRow(row)));
}

void Browser::Append() {
    const std::string record = Text3->text().toStdString();
    if (const std::string fault = ImportFault(record); !fault.empty()) return Tell(fault);
    DrawWrite written;
    {
        // Held from the order check to the write, so no other writer comes in between.
        const ArchiveLock lock(state_.programFolder);
        if (!lock.ok()) return Tell(lock.Error());
        if (!AppendInOrder(platform_.dialogs, state_.programFolder, record.substr(0, kDateLength))) return;
        written = WriteDraw(state_.programFolder, record, 0, lock);
    }
    if (!written.ok()) return ReportReadError(platform_.dialogs, written.error);
    state_.RecordCount = written.recordCount;
    if (views_.drawWritten) views_.drawWritten(written.record);
    Tell(ImportedMessage(record));
}

}  // namespace fortunara
