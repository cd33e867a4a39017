#pragma once
// The Qt window: builds the controls from the control table, lets the
// procedures read and write them through FormView, and turns Qt's events into
// procedure calls. The only place where a failure is caught: it is shown in a
// message box and the window goes on with every entry intact.

#include "form/calculator.h"
#include "ui/control_table.h"
#include "ui/window_printer.h"

#include <QWidget>

#include <functional>
#include <map>

class QDialog;
class QKeyEvent;
class QLocale;

namespace ui {

class RatioAnnouncer;

class CalculatorWindow : public QWidget, private form::FormView {
    Q_OBJECT

public:
    explicit CalculatorWindow(const QLocale& locale, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

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
    void tickDeadArea(bool ticked) override;
    std::string result(form::Result result) const override;
    void setResult(form::Result result, const std::string& text, std::optional<double> figure) override;
    void keepBasis(form::Result result, form::Basis basis) override;
    form::Basis keptBasis(form::Result result) const override;
    void moveFocus(form::Field field) override;
    std::vector<form::Field> textFields() const override;
    void showMessage(message::Text text) override;
    std::optional<std::string> askWantedRatio(const form::RatioSolver& solver) override;
    void printImage() override;

    void bindEvents();
    void offerSolving();
    void run(Procedure procedure);
    void run(const std::function<void()>& procedure, bool blamedFieldTakesFocus);
    bool quietly(const std::function<void()>& step);
    void fieldLeft(form::Field field, Qt::FocusReason reason);
    void calculateFromField(form::Field field);
    void solveIn(form::Field field);
    void markOutOfDateResults();
    void report(const QString& kind, const QString& detail);
    void execModal(QDialog& box);
    void tellPrintNews(const PrintNews& news);
    std::vector<QWidget*> focusStops() const;
    // The field that widget is, if it is one.
    std::optional<form::Field> fieldOf(const QWidget* widget) const;

    form::Calculator calculator_;
    Controls controls_;
    RatioAnnouncer* announcer_ = nullptr;
    std::map<form::Result, form::Basis> resultBases_; // what the ratio and the capacity were worked out from
    int boxesOpened_ = 0;                             // a step that changes it opened a box
    // A click whose way out of a field opened a box is spent on that box.
    const QObject* spentPress_ = nullptr;
    // Last, so that its threads stop before the controls go.
    WindowPrinter printer_{*this};
};

} // namespace ui
