// The clipboard-table dialog: a table copied from a spreadsheet becomes the
// curves of the working copy, one series for the abscissae and one curve per
// other series. The table is read when the dialog opens and shown as it is.
#pragma once

#include <memory>

#include "exchange/clipboard_table.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class ClipboardImportDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class ClipboardImportDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `labelPaint` is the default label paint of the preferences (legends and the y label).
    ClipboardImportDialog(UserPrompts& prompts, DiagramEdit& edit, exchange::ClipboardTable table,
                          const document::PaintStyle& labelPaint, QWidget* parent = nullptr);
    ~ClipboardImportDialog() override;

    exchange::TableOptions options() const;
    // The counts of the import that OK made.
    const exchange::TableImportResult& result() const { return result_; }

    void accept() override;

private:
    void orientationChanged();

    std::unique_ptr<Ui::ClipboardImportDialog> ui_;
    DiagramEdit& edit_;
    exchange::ClipboardTable table_;
    document::PaintStyle labelPaint_;
    exchange::TableImportResult result_;
};

}  // namespace ordinax::shell
