#include "tools/questions/QuestionCsv.h"

#include <algorithm>
#include <optional>

#include "questions/QuestionBank.h"
#include "storage/Cp1250.h"
#include "tools/questions/Csv.h"
#include "tools/questions/LifelineDraw.h"

namespace {

enum Column { Level, Text, A, B, C, D, Correct, Columns };
const QStringList kNames = {QStringLiteral("poziom"),  QStringLiteral("pytanie"),
                            QStringLiteral("A"),       QStringLiteral("B"),
                            QStringLiteral("C"),       QStringLiteral("D"),
                            QStringLiteral("poprawna")};

// The first character of a text that Windows-1250, and so the game, lacks.
QString missingCharacter(const QString& text) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString c = text.mid(i, length);
    if (!fitsCp1250(c)) return c;
    i += length;
  }
  return {};
}

// A question's problems by the sheet's column names: "pytanie: 151 characters, …".
QString inColumns(const QString& problem) {
  if (problem.startsWith(u"P:")) return kNames[Text] + problem.mid(1);
  if (problem.startsWith(u"G:")) return kNames[Correct] + problem.mid(1);
  return problem;
}

struct Row {
  int line;
  int level;  // 0: spread
  StoredQuestion question;
};

class Importer {
 public:
  std::vector<CsvError> errors;

  void error(int line, const QString& message) { errors.push_back({line, message}); }

  // Where each column stands in the header; false when one is missing.
  bool readHeader(const CsvRecord& header) {
    m_width = header.fields.size();
    for (int c = 0; c < Columns; ++c) {
      m_at[size_t(c)] = -1;
      for (int f = 0; f < header.fields.size(); ++f)
        if (header.fields[f].trimmed().compare(kNames[c], Qt::CaseInsensitive) == 0)
          m_at[size_t(c)] = f;
      if (m_at[size_t(c)] < 0)
        error(header.line, QStringLiteral("the header has no column \"%1\" (it needs %2)")
                               .arg(kNames[c], kNames.join(u',')));
    }
    return errors.empty();
  }

  // A row as it stands, or nothing where it cannot be a question.
  std::optional<Row> read(const CsvRecord& record) {
    if (record.fields.size() != m_width) {
      error(record.line,
            QStringLiteral("%1 columns, the header has %2").arg(record.fields.size()).arg(m_width));
      return std::nullopt;
    }
    // A line break in a cell is a space on the screen.
    auto cell = [&](int c) { return record.fields[m_at[size_t(c)]].simplified(); };
    Row row{record.line, 0, {}};
    bool ok = true;
    if (const QString level = cell(Level); !level.isEmpty()) {
      row.level = level.toInt(&ok);
      if (!ok || row.level < 1 || row.level > QuestionBank::Levels) {
        error(record.line, QStringLiteral("poziom \"%1\" is not a level 1-15").arg(level));
        ok = false;
      }
    }
    const QString letter = cell(Correct).toUpper();
    row.question.correct = PositionOf(letter);
    if (LetterOf(row.question.correct) != letter) {
      error(record.line, QStringLiteral("poprawna \"%1\" is not A, B, C or D").arg(cell(Correct)));
      ok = false;
    }
    row.question.text = cell(Text);
    for (int i = 0; i < 4; ++i) row.question.answers[size_t(i)] = cell(A + i);
    for (int c = Text; c <= D; ++c)
      if (const QString bad = missingCharacter(cell(c)); !bad.isEmpty()) {
        error(record.line,
              QStringLiteral("%1: \"%2\" is a character the game cannot show").arg(kNames[c], bad));
        ok = false;
      }
    return ok ? std::optional<Row>(row) : std::nullopt;
  }

 private:
  std::array<int, Columns> m_at{};
  qsizetype m_width = 0;
};

std::vector<Row> readRows(const CsvTable& table, Importer& importer) {
  std::vector<Row> rows;
  if (table.records.empty()) {
    importer.error(1, QStringLiteral("the file is empty"));
    return rows;
  }
  const CsvRecord& header = table.records.front();
  if (!importer.readHeader(header)) return rows;
  for (size_t r = 1; r < table.records.size(); ++r) {
    const CsvRecord& record = table.records[r];
    if (record.fields.join(QString()).trimmed().isEmpty()) continue;  // a sheet's empty row
    if (auto row = importer.read(record)) rows.push_back(*row);
  }
  if (rows.empty() && importer.errors.empty())
    importer.error(header.line, QStringLiteral("no questions under the header"));
  // Rows without a level, spread in file order.
  const auto spread =
      std::count_if(rows.begin(), rows.end(), [](const Row& r) { return !r.level; });
  qsizetype k = 0;
  for (Row& row : rows)
    if (!row.level) row.level = int(1 + k++ * QuestionBank::Levels / spread);
  return rows;
}

}  // namespace

CsvImport importQuestions(const QByteArray& csv, const QString& fileName, Random& random) {
  const CsvTable table = readCsv(csv);
  Importer importer;
  importer.errors = table.errors;
  const std::vector<Row> rows =
      table.errors.empty() ? readRows(table, importer) : std::vector<Row>{};

  CsvImport result;
  result.levels.resize(QuestionBank::Levels);
  std::vector<std::vector<int>> lines(QuestionBank::Levels);
  for (const Row& row : rows) {
    const size_t l = size_t(row.level - 1);
    if (result.levels[l].size() == QuestionBank::MaxPerLevel) {
      importer.error(row.line,
                     QStringLiteral("level %1 already has %2 questions, the most the game "
                                    "reads")
                         .arg(row.level)
                         .arg(QuestionBank::MaxPerLevel));
      continue;
    }
    result.levels[l].push_back(row.question);
    lines[l].push_back(row.line);
  }
  QStringList empty;
  for (size_t l = 0; l < result.levels.size(); ++l) {
    drawLifelines(result.levels[l], int(l + 1), random);
    for (size_t n = 0; n < result.levels[l].size(); ++n)
      for (const QString& p : result.levels[l][n].problems())
        importer.error(lines[l][n], inColumns(p));
    if (result.levels[l].empty()) empty << QString::number(l + 1);
  }

  std::stable_sort(importer.errors.begin(), importer.errors.end(),
                   [](const CsvError& x, const CsvError& y) { return x.line < y.line; });
  for (const CsvError& e : importer.errors)
    result.errors << QStringLiteral("%1:%2: %3").arg(fileName).arg(e.line).arg(e.message);
  if (!empty.isEmpty() && result.errors.isEmpty())
    result.warnings << QStringLiteral(
                           "levels without a question: %1; the game needs one on every level at "
                           "least: add %2 more")
                           .arg(empty.join(QStringLiteral(", ")))
                           .arg(empty.size());
  return result;
}

QByteArray exportQuestions(const QuestionLevels& levels) {
  QString out = csvRecord(kNames);
  for (size_t l = 0; l < levels.size(); ++l)
    for (const StoredQuestion& q : levels[l])
      out += csvRecord({QString::number(l + 1), q.text, q.answers[0], q.answers[1], q.answers[2],
                        q.answers[3], LetterOf(q.correct)});
  return out.toUtf8();
}
