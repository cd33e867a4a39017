#pragma once
// The Qt window: builds the controls from the control table, lets the
// procedures read and write them through FormView, and turns Qt's events into
// procedure calls. The only place where a run-time error is caught: it is
// shown in a message box and the window goes on with every entry intact.

#include "form/calculator.h"
#include "numeric/runtime_error.h"
#include "ui/window_printer.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QLocale;
class QRadioButton;

namespace ui {

class FigureField;
class FigureLabel;
class RatioAnnouncer;

class CalculatorWindow : public QWidget, private form::FormView {
    Q_OBJECT

public:
    explicit CalculatorWindow(const QLocale& locale, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using Procedure = void (form::Calculator::*)();

    std::string text(form::Field field) const override;
    void setText(form::Field field, const std::string& text) override;
    void replaceText(form::Field field, const std::string& text) override;
    bool isSelected(form::Option option) const override;
    void setSelected(form::Option option, bool selected) override;
    bool deadAreaTicked() const override;
    void tickDeadArea(bool checked) override;
    std::string result(form::Result caption) const override;
    void setResult(form::Result caption, const std::string& text) override;
    void keepBasis(form::Result result, form::Basis basis) override;
    form::Basis keptBasis(form::Result result) const override;
    void moveFocus(form::Field field) override;
    std::vector<form::Field> textFields() const override;
    void showMessage(numeric::Text text) override;
    std::optional<std::string> askWantedRatio(const form::RatioSolver& solver) override;
    void printImage() override;

    void buildControls();
    void bindEvents();
    void run(Procedure procedure);
    void run(const std::function<void()>& procedure, bool blamedFieldTakesFocus);
    void offerSolving();
    void solveIn(form::Field which);
    void markOutOfDateResults();
    void report(const numeric::RuntimeError& error);
    void leave(QObject* field, const QWidget* next, Qt::FocusReason reason);
    void calculateFromField(FigureField& from);
    void execModal(QDialog& box);
    void tellPrintNews(const PrintNews& news);

    FigureLabel* figureLabel(form::Result caption) const;
    QLineEdit* field(form::Field field) const;
    QRadioButton* option(form::Option option) const;
    QWidget* control(std::string_view name) const;

    form::Calculator form_;
    std::vector<QWidget*> focusStops_;  // in Tab order; an option button stands for its group
    std::map<QObject*, Procedure> leaveProcedures_;
    std::map<form::Result, form::Basis> resultBases_;  // what the ratio and the capacity were worked out from
    QCheckBox* deadArea_ = nullptr;
    RatioAnnouncer* announcer_ = nullptr;
    bool fitted_ = false;  // the fonts, once the window has first been shown
    bool messageOpen_ = false;
    int boxesShown_ = 0;  // tells whether leaving a field opened a box
    // A button whose click moved the focus to it from a field whose leave
    // procedure opened a box: that click was spent on the box.
    const QObject* spentPress_ = nullptr;
    // What the print server said while another box was open, to show next.
    std::deque<PrintNews> untoldNews_;
    // Last, so that its threads stop before the controls go.
    WindowPrinter printer_{*this};
};

}  // namespace ui
