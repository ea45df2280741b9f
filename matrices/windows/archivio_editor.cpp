// The tab "Nuovo Sistema": a matrix typed in position by position, its comments, and the text
// editor on it.
#include <QLineEdit>
#include <QListWidget>

#include "matrices/core/matrix_editor.h"
#include "matrices/core/matrix_files.h"
#include "matrices/windows/archivio.h"
#include "state/click_sound.h"
#include "ui/text_editor.h"

namespace fortunara {

namespace {

void Warn(Dialogs& dialogs, const std::string& text) {
    dialogs.Message(text, kEditorTitle, DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace

void Archivio::Tell(const std::string& text) {
    platform_.dialogs.Message(text, "Fortunara");
}

void Archivio::EnterNumbers() {
    PlayClickSound(state_, platform_.sounds);
    const NewMatrix matrix = CheckNewMatrix(state_.programFolder, TextBox1->text().toStdString(),
                                            TextBox2->text().toStdString(), comboSize_);
    if (!matrix.ok()) return Warn(platform_.dialogs, matrix.refusal);
    // A cancelled entry would leave a part of a matrix in place of the one that was there.
    if (matrix.exists &&
        platform_.dialogs.Message(ReplaceMatrixQuestion(matrix.name), kEditorTitle, DialogButtons::YesNoDefaultNo,
                                  DialogIcon::Question) != DialogAnswer::Yes) {
        return;
    }
    List2->clear();
    state_.CurrentMatrixName = matrix.name;
    List2->addItem(QString::fromStdString("FILE : " + matrix.name));
    entered_ = true;

    MatrixEntry entry(matrix);
    const bool finished = Positions(entry);
    const FileOutcome written = WriteTypedMatrix(state_.programFolder, matrix.name, entry, finished);
    if (!written.ok()) Warn(platform_.dialogs, written.error);
}

bool Archivio::Positions(MatrixEntry& entry) {
    int combination = 0;
    for (;;) {
        if (entry.Combination() != combination) {
            combination = entry.Combination();
            if (combination > 10) List2->scrollToItem(List2->item(combination - 9), QAbstractItemView::PositionAtTop);
        }
        const std::string answer = platform_.dialogs.Input("", kNumberTitle, "", kEditorInputLeft, kEditorInputTop);
        if (answer.empty()) return false;
        const MatrixEntry::Step step = entry.Take(answer);
        if (step == MatrixEntry::Step::AskAgain) {
            Tell(entry.Refusal());
            continue;
        }
        if (entry.FinishedRow()) List2->addItem(QString::fromStdString(*entry.FinishedRow()));
        if (step == MatrixEntry::Step::Done) return true;
    }
}

void Archivio::EnterComments() {
    PlayClickSound(state_, platform_.sounds);
    if (!entered_) return Warn(platform_.dialogs, kNumbersFirst);
    const std::string& name = state_.CurrentMatrixName;
    if (const std::string missing = MissingMatrixFile(state_.programFolder, name); !missing.empty()) {
        return Warn(platform_.dialogs, missing);
    }
    List2->clear();
    std::vector<std::string> comments;
    for (int i = 1; i <= kMatrixComments; ++i) {
        const std::string answer =
            platform_.dialogs.Input(CommentPrompt(i), kCommentTitle, "", kEditorInputLeft, kEditorInputTop);
        if (answer.empty()) break;
        List2->addItem(QString::fromStdString(answer));
        comments.push_back(answer);
    }
    const FileOutcome written = WriteMatrixComments(state_.programFolder, name, comments);
    if (!written.ok()) Warn(platform_.dialogs, written.error);
}

void Archivio::OpenInTextEditor() {
    const std::string& name = state_.CurrentMatrixName;
    if (const std::string missing = MissingMatrixFile(state_.programFolder, name); !missing.empty()) {
        return Warn(platform_.dialogs, missing);
    }
    ShowInTextEditor(platform_.launcher, platform_.dialogs, MatrixFolder(state_.programFolder) / name);
}

}  // namespace fortunara
