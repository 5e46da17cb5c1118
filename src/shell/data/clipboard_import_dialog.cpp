// The clipboard-table dialog.
#include "shell/data/clipboard_import_dialog.h"

#include <QAbstractTableModel>
#include <QPushButton>

#include "base/encoding.h"
#include "exchange/table_dialog.h"
#include "shell/common/diagram_edit.h"
#include "shell/user_prompts.h"
#include "ui_clipboard_import_dialog.h"

namespace ordinax::shell {

namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The copied table as it is, cell by cell, over the table's own text.
class CopiedTableModel : public QAbstractTableModel {
public:
    CopiedTableModel(const exchange::ClipboardTable& table, QObject* parent)
        : QAbstractTableModel(parent), table_(table) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : table_.rowCount; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : table_.columnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return QString::fromStdString(base::windows1252ToUtf8(table_.cell(index.row(), index.column())));
    }

private:
    const exchange::ClipboardTable& table_;
};

}  // namespace

ClipboardImportDialog::ClipboardImportDialog(UserPrompts& prompts, DiagramEdit& edit,
                                             exchange::ClipboardTable table, const document::PaintStyle& labelPaint,
                                             QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::ClipboardImportDialog>()),
      edit_(edit),
      table_(std::move(table)),
      labelPaint_(labelPaint) {
    ui_->setupUi(this);
    setWindowTitle(utf8(exchange::TableDialogCaption));
    setHelpTopic(QStringLiteral("import-presse-papiers"));
    ui_->yLabel->setMaxLength(exchange::MaxYLabelLength);
    ui_->tableView->setModel(new CopiedTableModel(table_, this));
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(ui_->horizontalRadio, &QRadioButton::toggled, this, &ClipboardImportDialog::orientationChanged);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &ClipboardImportDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &ClipboardImportDialog::reject);
    orientationChanged();
    finishSetup();
}

ClipboardImportDialog::~ClipboardImportDialog() = default;

void ClipboardImportDialog::orientationChanged() {
    const bool horizontal = ui_->horizontalRadio->isChecked();
    const exchange::TableDialogLabels labels = exchange::tableDialogLabels(horizontal);
    ui_->titlesCheck->setText(utf8(labels.titles));
    ui_->namesCheck->setText(utf8(labels.names));
    ui_->legendsCheck->setText(utf8(labels.legends));
    ui_->abscissaLabel->setText(utf8(labels.abscissa));
    ui_->abscissa->setAccessibleName(utf8(labels.abscissa));
    const int kept = ui_->abscissa->currentIndex();
    ui_->abscissa->clear();
    const int series = exchange::tableSeriesCount(table_, horizontal);
    for (int n = 1; n <= series; ++n) ui_->abscissa->addItem(QString::number(n), n);
    ui_->abscissa->setCurrentIndex(kept >= 0 && kept < series ? kept : 0);
}

exchange::TableOptions ClipboardImportDialog::options() const {
    exchange::TableOptions o;
    o.horizontal = ui_->horizontalRadio->isChecked();
    o.abscissa = ui_->abscissa->currentData().toInt();
    o.titles = ui_->titlesCheck->isChecked();
    o.names = ui_->namesCheck->isChecked();
    o.legends = ui_->legendsCheck->isChecked();
    o.yLabel = base::utf8ToWindows1252Lossy(ui_->yLabel->text().toStdString());
    o.labelPaint = labelPaint_;
    return o;
}

void ClipboardImportDialog::accept() {
    document::Diagram imported = edit_.working();
    result_ = exchange::importClipboardTable(table_, options(), imported);
    if (!result_.imported) {
        // Too large a table: the dialog stays open, the working copy untouched.
        prompts().show(result_.error);
        return;
    }
    edit_.working() = std::move(imported);
    for (const base::Message& warning : result_.warnings) prompts().show(warning);
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
