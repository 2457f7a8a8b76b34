#include "ui/file_dialog.hpp"

#include <QFileDialog>

namespace antkeys {
namespace {

FileDialog::Answer& TestAnswer() {
    static FileDialog::Answer answer;
    return answer;
}

}  // namespace

QString FileDialog::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) {
    if (TestAnswer()) return TestAnswer()(caption);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

void FileDialog::SetTestAnswer(Answer answer) {
    TestAnswer() = std::move(answer);
}

}  // namespace antkeys
