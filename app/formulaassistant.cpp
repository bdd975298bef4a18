#include "formulaassistant.h"

#include "announcer.h"
#include "cataloguetext.h"
#include "completionpopup.h"
#include "formulahint.h"
#include "formulalineedit.h"

#include "mathlib/catalogue.h"
#include "session/calculatorsession.h"
#include "session/parenthesismarks.h"
#include "session/textposition.h"
#include "session/variablelist.h"

#include <QKeyEvent>

namespace quorvex {

namespace {

// Whether the key types a character that continues a name.
bool typesNameCharacter(const QKeyEvent &key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return false;
  const QString text = key.text();
  if (text.size() != 1)
    return false;
  const char16_t c = text.front().unicode();
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
         (c >= u'0' && c <= u'9') || c == u'_';
}

bool plain(const QKeyEvent &key) {
  return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The completion opens by itself once a name is this long.
constexpr std::size_t openingLength = 2;

} // namespace

FormulaAssistant::FormulaAssistant(FormulaLineEdit &box,
                                   const TCalculatorSession &session)
    : QObject(&box), box_(box), session_(session) {
  completion_ = new CompletionPopup(box.window());
  hint_ = new FormulaHint(box.window());
  connect(completion_, &CompletionPopup::lineClicked, this,
          &FormulaAssistant::acceptLine);
  connect(&box_, &QLineEdit::cursorPositionChanged, this, [this] { follow(false); });
  box_.installEventFilter(this);
  box_.window()->installEventFilter(this);
}

void FormulaAssistant::followEdit(int ignoredFrom) {
  if (session_.AssignText() != namesFrom_) {
    namesFrom_ = session_.AssignText();
    TVariableList list;
    list.Assign(namesFrom_);
    names_.setVariables(list);
    caret_ = -1; // what the names mean may have changed
  }
  box_.setIgnoredFrom(ignoredFrom);
  // The box may have reported the new caret, and so the new text, already.
  follow(false);
}

void FormulaAssistant::follow(bool textChanged) {
  const QString &text = box_.text();
  const int caret = box_.cursorPosition();
  if (!textChanged && caret == caret_ && text == text_)
    return;
  if (text != text_) {
    text_ = text;
    utf8_ = text.toStdString();
    textChanged = true;
  }
  const bool moved = textChanged || caret != caret_;
  caret_ = caret;
  const std::size_t caretByte = byteOffset(utf8_, std::size_t(caret));
  const std::optional<CallContext> callBefore = context_.call;
  context_ = caretContext(utf8_, caretByte, names_);
  showMarks(caretByte);
  if (moved)
    noteShown_ = false;
  const bool sameCall = callBefore && context_.call &&
                        callBefore->function == context_.call->function &&
                        callBefore->argument == context_.call->argument &&
                        callBefore->nameOffset == context_.call->nameOffset;
  if (!sameCall)
    hintDismissed_ = false;
  if (completionOpen_)
    followCompletion();
  else if (typedName_ && textChanged && context_.name &&
           caretByte - context_.name->offset >= openingLength)
    openCompletion(false);
  typedName_ = false;
  showHint();
}

void FormulaAssistant::showMarks(std::size_t caretByte) {
  const ParenthesisMarks marks = parenthesisMarks(utf8_, caretByte);
  QList<int> matching;
  if (marks.atCaret) {
    matching.append(int(utf16Position(utf8_, *marks.atCaret)));
    if (marks.partner)
      matching.append(int(utf16Position(utf8_, *marks.partner)));
  }
  QList<int> unmatched;
  unmatched.reserve(qsizetype(marks.unmatched.size()));
  Utf16Positions positions(utf8_);
  for (const std::size_t at : marks.unmatched)
    unmatched.append(int(positions.of(at)));
  box_.setParenthesisMarks(matching, unmatched);
}

bool FormulaAssistant::keyPress(const QKeyEvent &key) {
  if (key.key() == Qt::Key_Space && key.modifiers() == Qt::ControlModifier) {
    openCompletion(true);
    return true;
  }
  if (completionOpen_ && plain(key)) {
    const int chosen = completion_->chosen();
    switch (key.key()) {
    case Qt::Key_Tab:
      acceptLine(chosen >= 0 ? chosen : 0);
      return true;
    case Qt::Key_Down:
      completion_->choose(std::min(chosen + 1, completion_->count() - 1));
      return true;
    case Qt::Key_Up:
      if (chosen < 0)
        return false; // the formula history
      completion_->choose(chosen - 1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (chosen >= 0) {
        acceptLine(chosen);
        return true;
      }
      closeCompletion();
      return false;
    case Qt::Key_Escape:
      closeCompletion();
      return true;
    default:
      break;
    }
  }
  if (key.key() == Qt::Key_Escape && plain(key) && hint_->isVisible()) {
    hintDismissed_ = !noteShown_;
    noteShown_ = false;
    hint_->hide();
    return true;
  }
  typedName_ = typesNameCharacter(key);
  return false;
}

void FormulaAssistant::openCompletion(bool explicitly) {
  follow(false);
  completionOpen_ = true;
  explicitly_ = explicitly;
  anchor_ =
      context_.name ? context_.name->offset : byteOffset(utf8_, std::size_t(caret_));
  followCompletion();
}

// The names that begin with what is typed of the name at the caret; the
// list closes when the caret leaves that name (or, opened by Ctrl+Space
// where no name was, that place), or when nothing matches.
void FormulaAssistant::followCompletion() {
  const std::size_t caretByte = byteOffset(utf8_, std::size_t(caret_));
  const std::size_t start = context_.name ? context_.name->offset : caretByte;
  if (start != anchor_ || (!context_.name && !explicitly_)) {
    closeCompletion();
    return;
  }
  std::vector<FormulaNames::Name> names =
      names_.completions(std::string_view(utf8_).substr(start, caretByte - start));
  if (names.empty()) {
    closeCompletion();
    return;
  }
  completion_->setNames(std::move(names), [this](std::size_t entry) {
    return QString::fromStdString(session_.Grid().Cell(1, int(entry) + 1));
  });
  placeCompletion();
}

void FormulaAssistant::acceptLine(int row) {
  if (row < 0 || row >= completion_->count())
    return;
  const FormulaNames::Name name = completion_->name(row);
  const std::size_t caretByte = byteOffset(utf8_, std::size_t(caret_));
  const int start =
      int(utf16Position(utf8_, context_.name ? context_.name->offset : caretByte));
  const int end =
      context_.name
          ? int(utf16Position(utf8_, context_.name->offset + context_.name->length))
          : caret_;
  QString insertion = QString::fromUtf8(name.name.data(), qsizetype(name.name.size()));
  const bool function = name.kind == FormulaNames::Kind::Function;
  // A call typed before its name keeps its own parenthesis.
  const bool opened = end < text_.size() && text_[end] == QLatin1Char('(');
  if (function && !opened)
    insertion += QStringLiteral("()");
  const auto caret = int(start + name.name.size() + (function ? 1 : 0));
  closeCompletion();
  box_.replaceAsUndoStep(start, end - start, insertion);
  box_.setCursorPosition(caret);
}

void FormulaAssistant::closeCompletion() {
  completionOpen_ = false;
  completion_->hide();
}

void FormulaAssistant::closePopups() {
  closeCompletion();
  noteShown_ = false;
  hint_->hide();
}

void FormulaAssistant::showNote(const QString &note) {
  // After the failed Compute has put the caret where it failed, so that
  // the note stays until the user moves on.
  follow(false);
  noteShown_ = true;
  hint_->showText(note.toHtmlEscaped(), note, belowBox(), box_.width());
  // A screen reader says it at once, as it says the error report.
  announce(&box_, note);
  placeCompletion();
}

void FormulaAssistant::showHint() {
  if (noteShown_)
    return;
  if (!box_.hasFocus() || !context_.call || hintDismissed_) {
    if (hint_->isVisible()) {
      hint_->hide();
      placeCompletion();
    }
    return;
  }
  const CatalogueFunction &function = *context_.call->function;
  const QString domain = catalogueText(function.domain);
  const QString rich = tr("%1<br>Domain: %2")
                           .arg(markedSignature(function, context_.call->argument),
                                domain.toHtmlEscaped());
  const QString plainText = tr("%1, argument %2. Domain: %3")
                                .arg(functionSignature(function))
                                .arg(context_.call->argument + 1)
                                .arg(domain);
  hint_->showText(rich, plainText, belowBox(), box_.width());
  placeCompletion();
}

QPoint FormulaAssistant::belowBox() const {
  return box_.mapToGlobal(QPoint(0, box_.height()));
}

// Below the hint, or the box when no hint shows, where the name being
// completed begins.
void FormulaAssistant::placeCompletion() {
  if (!completionOpen_)
    return;
  const int below =
      hint_->isVisible() ? hint_->frameGeometry().bottom() + 1 : belowBox().y();
  const int nameStart =
      context_.name ? int(utf16Position(utf8_, context_.name->offset)) : caret_;
  const int typedWidth =
      box_.fontMetrics().horizontalAdvance(text_.mid(nameStart, caret_ - nameStart));
  const int x = box_.mapToGlobal(box_.caretRect().topLeft()).x() - typedWidth;
  completion_->showAt(QPoint(x, below));
}

bool FormulaAssistant::eventFilter(QObject *watched, QEvent *event) {
  switch (event->type()) {
  case QEvent::FocusOut:
    if (watched == &box_)
      closePopups();
    break;
  case QEvent::FocusIn:
    if (watched == &box_) {
      follow(false);
      showHint(); // of the call the caret is in, which follow may not see move
    }
    break;
  case QEvent::Move:
  case QEvent::Resize:
    if (watched == box_.window() && hint_->isVisible())
      hint_->showAt(belowBox());
    if (watched == box_.window())
      placeCompletion();
    break;
  case QEvent::Hide:
  case QEvent::WindowDeactivate:
    if (watched == box_.window())
      closePopups();
    break;
  default:
    break;
  }
  return false;
}

} // namespace quorvex
