#include "ui/matrix_screenshots.h"

#include <QApplication>
#include <QListWidget>

#include "ui/main_window.h"
#include "ui/matrix_grid_panel.h"
#include "ui/matrix_window.h"
#include "ui/mult_dialog.h"

namespace kalvo {

namespace {

bool Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    return widget.grab().save(path);
}

}  // namespace

bool RenderMatrixScreenshots(TfmCalc& window, const QString& dir, const QString& prefix) {
    TfmMatrix& matrix = window.MatrixWindow();
    matrix.show();
    const QString stem = dir + "/" + prefix + "matrix-";
    bool ok = true;

    matrix.ChooseOperation(MatrixOperation::kSolve);
    matrix.PanelA().SetCells({{"4", "-2", "1"}, {"-2", "4", "-2"}, {"1", "-2", "4"}});
    matrix.PanelB().SetCells({{"11"}, {"-16"}, {"17"}});
    matrix.Compute();
    ok = Save(matrix, stem + "solve.png") && ok;

    matrix.ChooseOperation(MatrixOperation::kInverse);
    matrix.PanelA().SetCells({{"2", "1", "0"}, {"1", "3", "1"}, {"0", "1", "pi"}});
    matrix.Compute();
    matrix.findChild<QListWidget*>("lbRepository")->setCurrentRow(0);
    ok = Save(matrix, stem + "inverse.png") && ok;

    matrix.Calculator().Parameters().f = "1/(A)";
    matrix.ChooseOperation(MatrixOperation::kFunction);
    matrix.PanelA().SetCells({{"1", "2", "0"}, {"4", "sqrt(2)", "-8"}, {"0.5", "pi/2", "1E-5"}});
    matrix.Compute();
    ok = Save(matrix, stem + "function.png") && ok;

    TfmMult& prompt = matrix.Prompt();
    prompt.Prepare(QStringLiteral("Function f(A)"), QStringLiteral("f(A) ="),
                   QString::fromLatin1(MatrixCalculator::kDefaultFunction));
    prompt.show();
    ok = Save(prompt, stem + "prompt.png") && ok;
    prompt.hide();
    matrix.hide();
    return ok;
}

}  // namespace kalvo
