#include "events/ui/EntryRunner.h"

#include <QFileDialog>

#include "document/ProjectDocument.h"
#include "events/ParameterDialogTexts.h"
#include "events/SoundFile.h"
#include "events/ui/DetectionDialog.h"
#include "events/ui/ExpressionBuilderDialog.h"
#include "events/ui/ObjectNumberDialog.h"
#include "events/ui/PhoneKeyDialog.h"
#include "events/ui/TimerDialog.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

// "Midi|*.mid|Wav|*.wav" as a file dialog filter: "Midi (*.mid);;Wav (*.wav)".
QString fileDialogFilter(std::string_view pairs) {
    const QStringList parts = QString::fromUtf8(pairs).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

EntryRunner::EntryRunner(const ProjectDocument& document, Prompts prompts, QWidget* parent)
    : document_(document), prompts_(std::move(prompts)), parent_(parent) {
    chooseFile_ = [](QWidget* owner, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, QString(), folder, filter);
    };
}

bool EntryRunner::ask(const CatalogueEntry& entry, EntryValues& values,
                      std::optional<ObjectKind> kind) const {
    switch (entry.dialog) {
        case ParameterDialog::None:
            return true;
        case ParameterDialog::ExpressionBuilder: {
            ExpressionBuilderDialog dialog(entry.builderMode, document_.project(),
                                           kind.value_or(ObjectKind::Background),
                                           kind ? values.n : 0, parent_);
            if (prompts_.execDialog(dialog) != QDialog::Accepted) {
                return false;
            }
            values.setBuilderResult(dialog.result());
            values.rowText = dialog.builder().rowText();
            return true;
        }
        case ParameterDialog::Key: {
            PhoneKeyDialog dialog(parent_);
            if (prompts_.execDialog(dialog) != QDialog::Accepted || dialog.key() == nullptr) {
                return false;
            }
            values.setKey(*dialog.key());
            return true;
        }
        case ParameterDialog::Timer: {
            TimerDialog dialog(prompts_.showError, parent_);
            if (prompts_.execDialog(dialog) != QDialog::Accepted || !dialog.setting()) {
                return false;
            }
            values.setTimer(*dialog.setting());
            return true;
        }
        case ParameterDialog::Detection: {
            DetectionDialog dialog(document_.project(), parent_);
            if (prompts_.execDialog(dialog) != QDialog::Accepted) {
                return false;
            }
            values.setDetection(dialog.setting());
            return true;
        }
        case ParameterDialog::ConditionObjectNumber:
        case ParameterDialog::ActionObjectNumber: {
            ObjectNumberDialog dialog(entry.dialog, document_.project(), entry.numberKind, parent_);
            if (prompts_.execDialog(dialog) != QDialog::Accepted) {
                return false;
            }
            values.m = dialog.number();
            return true;
        }
        case ParameterDialog::SoundFile: {
            const std::filesystem::path& programDir = document_.programDir();
            const QString chosen =
                chooseFile_(parent_, fromPath(programDir),
                            fileDialogFilter(ParameterDialogTexts::kSoundFilter));
            if (chosen.isEmpty()) {
                return false;
            }
            if (const std::string refusal = SoundFile::refusal(toPath(chosen)); !refusal.empty()) {
                prompts_.showError(parent_, QString::fromStdString(refusal));
                return false;
            }
            const std::filesystem::path& file = document_.values().projectFile;
            values.setSound(SoundFile::prepare(
                toPath(chosen), file.empty() ? std::filesystem::path() : file.parent_path(),
                programDir));
            return true;
        }
    }
    return false;
}

std::optional<BuiltText> EntryRunner::run(const CatalogueEntry& entry, EntryValues values,
                                          std::optional<ObjectKind> kind) const {
    if (!entry.addsSomething() || !ask(entry, values, kind)) {
        return std::nullopt;
    }
    if (const std::string refusal = entry.refusal(values); !refusal.empty()) {
        prompts_.showInfo(parent_, QString::fromStdString(refusal));
        return std::nullopt;
    }
    return entry.build(values);
}

}  // namespace avizad
