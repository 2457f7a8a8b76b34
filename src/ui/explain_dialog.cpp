#include "ui/explain_dialog.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "eval/explain_text.hpp"
#include "eval/explainer_setup.hpp"
#include "ui/georgian_text.hpp"
#include "ui/letter_font.hpp"
#include "ui/message_box.hpp"

namespace antkeys {
namespace {

// The first row of `rows` becomes the header; the first column left-aligned, the others right.
QTableWidget* TableOf(const TextRows& rows, bool firstColumnIsHeader, const CharacterMap& chars,
                      QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setFont(LetterFont(chars, kCaptionPointSize));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    if (rows.empty()) return table;
    const auto nRows = static_cast<int>(rows.size()) - 1;
    const int first = firstColumnIsHeader ? 1 : 0;
    const auto nColumns = static_cast<int>(rows.front().size()) - first;
    table->setRowCount(nRows);
    table->setColumnCount(nColumns);
    QStringList header, labels;
    for (int c = first; c < static_cast<int>(rows.front().size()); ++c)
        header << QString::fromStdString(rows.front()[static_cast<std::size_t>(c)]);
    table->setHorizontalHeaderLabels(header);
    for (int r = 0; r < nRows; ++r) {
        const auto& row = rows[static_cast<std::size_t>(r) + 1];
        if (firstColumnIsHeader) labels << QString::fromStdString(row.front());
        for (int c = 0; c < nColumns; ++c) {
            auto* item = new QTableWidgetItem(
                QString::fromStdString(row[static_cast<std::size_t>(c + first)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    if (firstColumnIsHeader)
        table->setVerticalHeaderLabels(labels);
    else
        table->verticalHeader()->hide();
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    return table;
}

}  // namespace

ExplainDialog::ExplainDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("explainDialog"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setAttribute(Qt::WA_DeleteOnClose);
}

ExplainDialog* ExplainDialog::Open(QWidget* parent, const Workspace& ws, const Layout& lay) {
    WindowMessageSink sink(parent);
    LayoutExplainer explainer;
    std::string why;
    LayoutExplanation mine, ref;
    if (!SetUpExplainer(ws, explainer, sink, &why) || !explainer.Explain(lay, 10, mine, &why) ||
        !explainer.Explain(ws.refKeyLay, 10, ref, &why)) {
        // A broken trigram file has been reported by its reader already.
        if (sink.shown() == 0)
            MessageBox::Critical(parent,
                                 {kTitle, "The layout cannot be explained:\r\n" + why, true});
        return nullptr;
    }

    auto* dialog = new ExplainDialog(parent);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("Figures (docs/metrics.md defines them)"), dialog));
    dialog->figures_ =
        TableOf(FigureRows({"Reference", "This layout"}, {&ref, &mine}), true, ws.chars, dialog);
    dialog->figures_->setObjectName(QStringLiteral("figures"));
    dialog->figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(dialog->figures_, 3);
    layout->addWidget(
        new QLabel(QStringLiteral("The digraphs that add most to each penalty"), dialog));
    dialog->worst_ = new QTabWidget(dialog);
    dialog->worst_->setObjectName(QStringLiteral("worst"));
    dialog->worst_->addTab(TableOf(WorstRows(mine, ws.chars), true, ws.chars, dialog->worst_),
                           QStringLiteral("This layout"));
    dialog->worst_->addTab(TableOf(WorstRows(ref, ws.chars), true, ws.chars, dialog->worst_),
                           QStringLiteral("Reference"));
    layout->addWidget(dialog->worst_, 2);
    dialog->resize(720, 760);
    dialog->show();
    return dialog;
}

}  // namespace antkeys
