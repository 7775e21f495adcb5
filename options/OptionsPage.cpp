#include "options/OptionsPage.h"

#include <QCheckBox>

#include "ui/SymbolFonts.h"
#include "ui/Theme.h"
#include "ui/widgets/SymbolLabel.h"
#include "ui/widgets/TextLabel.h"

namespace {

constexpr struct {
  const char* key;
  int top;
  const char* symbolFont;
  char16_t symbol;
  const char* caption;  // UTF-8
} kRows[] = {
    {"Akc", 78, "Wingdings", u'\u201A', "Akceptuj każdą odpowiedź dwukrotnie."},
    {"Kla", 107, "Wingdings", u'7', "Używaj klawiatury do zaznaczania odpowiedzi."},
    {"Men", 135, "Wingdings", u'7', "Używaj klawiatury do poruszania się po menu."},
    {"Kou", 164, "Webdings", u's', "Koła ratunkowe."},
    {"Dzw", 193, "Webdings", u'\u017B', "Dzwięki i muzyka."},
    {"Rez", 222, "Wingdings", u'B', "Po rezygnacji pokazuj poprawną odpowiedź."},
    {"Zua", 251, "Wingdings", u'D', "Po podaniu złej odpowiedzi pokazuj poprawną."},
};

const QColor SymbolColour(255, 186, 117);

TextLabel* makeTitle(QWidget* page, const char* name, int offset, const QColor& colour) {
  auto* title = new TextLabel(page, QString::fromLatin1(name), QStringLiteral("OPCJE"));
  title->setGeometry(offset, 4 + offset, 341, 60);
  title->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(44);
  font.setBold(true);
  title->setFont(font);
  title->setColour(colour);
  return title;
}

}  // namespace

void buildOptionsPage(QWidget* page, const std::function<void()>& checkBoxClicked,
                      const std::function<void(const QString&)>& labelClicked) {
  page->setAutoFillBackground(true);
  QPalette pal = page->palette();
  pal.setColor(QPalette::Window, Qt::black);
  page->setPalette(pal);

  // The large dark tools symbol behind everything.
  auto* background =
      new SymbolLabel(page, QStringLiteral("rysOTuo"),
                      symbolGlyph(QStringLiteral("Webdings"), u'@', 267), QColor(48, 48, 48));
  background->setGeometry(0, 10, 341, 287);
  makeTitle(page, "lblOTitleS", 2, QColor(0, 128, 192));
  makeTitle(page, "lblOTitle", 0, theme::Orange);

  for (const auto& row : kRows) {
    const QString key = QString::fromLatin1(row.key);
    auto* symbol = new SymbolLabel(
        page, QStringLiteral("rys") + key,
        symbolGlyph(QString::fromLatin1(row.symbolFont), QChar(row.symbol), 24), SymbolColour);
    symbol->setGeometry(6, row.top, 29, 30);
    symbol->setCursor(Qt::PointingHandCursor);
    QObject::connect(symbol, &SymbolLabel::clicked,
                     [labelClicked, symbol] { labelClicked(symbol->objectName()); });

    auto* check = new QCheckBox(page);
    check->setObjectName(QStringLiteral("cb") + key);
    check->setGeometry(44, row.top + 6, 18, 18);
    check->setCursor(Qt::PointingHandCursor);
    check->setFocusPolicy(Qt::NoFocus);
    QObject::connect(check, &QCheckBox::clicked, [checkBoxClicked] { checkBoxClicked(); });

    auto* label = new TextLabel(page, QStringLiteral("lblO") + key, QString::fromUtf8(row.caption));
    label->setGeometry(64, row.top, 275, 30);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    label->setFont(font);
    label->setColour(Qt::white);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &TextLabel::clicked,
                     [labelClicked, label] { labelClicked(label->objectName()); });
  }
}
