// The cost of the chart: opening a product form and one "calculate", with and without it, on
// the offscreen platform (the widgets are built, laid out and painted; nothing reaches a
// screen).

#include <QApplication>
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <sstream>

#include "forms/qt/form_dialog.h"
#include "forms/qt/prompts.h"
#include "products/catalogue.h"

namespace {

using namespace lorvane;

constexpr int kSelmon = 32771;

class SilentPrompts : public forms::qt::Prompts {
  public:
    void ShowError(QWidget*, const QString&, const QString&) override {}
    bool AskCorrection(QWidget*, const QString&) override { return false; }
};

// A product form whose description asks for no chart.
class WithoutChart : public forms::Form {
  public:
    explicit WithoutChart(std::unique_ptr<forms::Form> form)
        : form_(std::move(form)), description_(form_->Description()) {
        description_.showsSpectrum = false;
    }
    const forms::FormDescription& Description() const override { return description_; }
    std::vector<forms::FieldText> InitialTexts() const override { return form_->InitialTexts(); }
    void OnButton(forms::FormView& view, forms::ControlId button) override {
        form_->OnButton(view, button);
    }
    const forms::ResultRecord* LastRecord() const override { return form_->LastRecord(); }

  private:
    std::unique_ptr<forms::Form> form_;
    forms::FormDescription description_;
};

struct OpenForm {
    OpenForm(bool chart) {
        auto form = FindProduct(kSelmon)->makeForm(forms::FormContext{state, diagnostics});
        if (!chart) {
            form = std::make_unique<WithoutChart>(std::move(form));
        }
        dialog = std::make_unique<forms::qt::FormDialog>(std::move(form), prompts);
        dialog->show();
        QCoreApplication::processEvents();
    }

    SharedState state;
    std::ostringstream diagnostics;
    SilentPrompts prompts;
    std::unique_ptr<forms::qt::FormDialog> dialog;
};

void BM_OpenForm(benchmark::State& state) {
    const bool chart = state.range(0) != 0;
    for (auto _ : state) {
        OpenForm form(chart);
        benchmark::DoNotOptimize(form.dialog.get());
    }
    state.SetLabel(chart ? "with chart" : "without chart");
}
BENCHMARK(BM_OpenForm)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CalculateAndDraw(benchmark::State& state) {
    const bool chart = state.range(0) != 0;
    OpenForm form(chart);
    form.dialog->Enter(1003, QStringLiteral("50"));  // a target: the attenuator rows too
    for (auto _ : state) {
        form.dialog->Calculate();
        form.dialog->repaint();
        QCoreApplication::processEvents();
        form.diagnostics.str({});
    }
    state.SetLabel(chart ? "with chart" : "without chart");
}
BENCHMARK(BM_CalculateAndDraw)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
