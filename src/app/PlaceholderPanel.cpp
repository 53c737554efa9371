#include "app/PlaceholderPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace avizad {

PlaceholderPanel::PlaceholderPanel(const QString& title, const QString& text, bool closable,
                                   QWidget* parent)
    : QWidget(parent), title_(title) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QFrame(this);
    header->setObjectName("panelHeader");
    header->setStyleSheet(
        "#panelHeader { background: #3a62aa; } #panelHeader QLabel { color: white; "
        "font-weight: bold; }");
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(8, 4, 4, 4);
    headerLayout->addWidget(new QLabel(title, header), 1);
    if (closable) {
        auto* close = new QPushButton(QStringLiteral("Закрыть"), header);
        close->setObjectName("closeButton");
        connect(close, &QPushButton::clicked, this, &PlaceholderPanel::closeRequested);
        headerLayout->addWidget(close);
    }
    layout->addWidget(header);
    auto* body = new QLabel(text, this);
    body->setObjectName("placeholderText");
    body->setWordWrap(true);
    body->setAlignment(Qt::AlignCenter);
    body->setMargin(24);
    body->setStyleSheet("color: #505a6e; font-size: 14px;");
    layout->addWidget(body, 1);
}

}  // namespace avizad
