#include <gtest/gtest.h>

#include <climits>

#include "storage/IniFile.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// The same model as it would be after being saved and opened again.
IniFile reopened(const IniFile& ini) { return IniFile(ini.text()); }

TEST(IniFileNames, SectionAndKeyNamesMatchWithoutRegardToCase) {
  IniFile ini(u8("[Gracz Łódź]\r\nImię=Jan\r\n"));
  EXPECT_EQ(ini.readString(u8("GRACZ ŁÓDŹ"), u8("imię")), u8("Jan"));
  EXPECT_EQ(ini.readString(u8("gracz łódź"), u8("IMIĘ")), u8("Jan"));
  EXPECT_TRUE(ini.sectionExists(u8("gracz ŁÓDŹ")));
  EXPECT_EQ(ini.keys(u8("GRACZ łódź")), QStringList{u8("Imię")});

  ini.writeString(u8("GRACZ ŁÓDŹ"), u8("IMIĘ"), u8("Ola"));
  EXPECT_EQ(ini.text(), u8("[Gracz Łódź]\r\nImię=Ola\r\n")) << "no second section or key";
}

TEST(IniFileNames, SpacesAroundNamesAndValuesAreIgnored) {
  IniFile ini(u8("  [  Gracz  ]  \r\n\t Imie  =  Jan Kowalski \t\r\n"));
  EXPECT_EQ(ini.readString(u8("Gracz"), u8("Imie")), u8("Jan Kowalski"));
  EXPECT_EQ(ini.readString(u8(" Gracz "), u8(" Imie ")), u8("Jan Kowalski"));
  EXPECT_EQ(ini.sections(), QStringList{u8("Gracz")});
  EXPECT_EQ(ini.keys(u8("Gracz")), QStringList{u8("Imie")});
}

TEST(IniFileReading, MissingSectionOrKeyGivesTheDefaultAndCreatesNothing) {
  const QString text = u8("[Gracz]\r\nImie=Jan\r\n");
  IniFile ini(text);
  EXPECT_EQ(ini.readString(u8("Brak"), u8("Imie"), u8("domyślne")), u8("domyślne"));
  EXPECT_EQ(ini.readString(u8("Gracz"), u8("Brak"), u8("d")), u8("d"));
  EXPECT_EQ(ini.readString(u8("Gracz"), u8("Brak")), QString());
  EXPECT_EQ(ini.readInteger(u8("Brak"), u8("Wynik"), 17), 17);
  EXPECT_TRUE(ini.readBool(u8("Gracz"), u8("Brak"), true));
  EXPECT_FALSE(ini.readBool(u8("Gracz"), u8("Brak"), false));
  EXPECT_TRUE(ini.keys(u8("Brak")).isEmpty());
  EXPECT_FALSE(ini.sectionExists(u8("Brak")));
  EXPECT_EQ(ini.text(), text);
  EXPECT_FALSE(ini.changed());
  EXPECT_EQ(ini.sections(), QStringList{u8("Gracz")});

  IniFile empty;
  EXPECT_EQ(empty.readInteger(u8("Gracz"), u8("Wynik"), -3), -3);
  EXPECT_TRUE(empty.text().isEmpty());
  EXPECT_FALSE(empty.changed());
}

TEST(IniFileReading, DuplicatesReadTheFirstSectionAndTheFirstKey) {
  IniFile ini(u8("[A]\r\nk=1\r\nk=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nj=5\r\n"));
  EXPECT_EQ(ini.readString(u8("A"), u8("k")), u8("1"));
  EXPECT_EQ(ini.readString(u8("a"), u8("j"), u8("-")), u8("-")) << "only the first [A] is read";

  ini.writeString(u8("a"), u8("n"), u8("6"));
  EXPECT_EQ(ini.text(), u8("[A]\r\nk=1\r\nk=2\r\nn=6\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nj=5\r\n"));
}

TEST(IniFileReading, QuotesAroundAValueAreDropped) {
  IniFile ini(
      u8("[S]\r\nq=\"x y\"\r\nspaced=\"  x  \"\r\nempty=\"\"\r\nopen=\"x\r\n"
         "inner=a\"b\"\r\none=\"\r\nmid=\"a\" b\r\n"));
  EXPECT_EQ(ini.readString(u8("S"), u8("q")), u8("x y"));
  EXPECT_EQ(ini.readString(u8("S"), u8("spaced")), u8("  x  "));
  EXPECT_EQ(ini.readString(u8("S"), u8("empty"), u8("d")), QString());
  EXPECT_EQ(ini.readString(u8("S"), u8("open")), u8("\"x"));
  EXPECT_EQ(ini.readString(u8("S"), u8("inner")), u8("a\"b\""));
  EXPECT_EQ(ini.readString(u8("S"), u8("one")), u8("\""));
  EXPECT_EQ(ini.readString(u8("S"), u8("mid")), u8("\"a\" b"));
}

TEST(IniFileReading, ValuesAreCutAt2047CharactersWhenRead) {
  QString longValue;
  for (int i = 0; i < 3000; ++i) longValue.append(QChar(u'a' + i % 26));
  IniFile ini;
  ini.writeString(u8("S"), u8("k"), longValue);
  EXPECT_EQ(ini.readString(u8("S"), u8("k")), longValue.left(2047));
  EXPECT_TRUE(ini.text().contains(longValue)) << "the text keeps the whole value";
  EXPECT_EQ(reopened(ini).readString(u8("S"), u8("k")).size(), IniFile::MaxValueLength);

  const QString exact = longValue.left(2047);
  ini.writeString(u8("S"), u8("exact"), exact);
  EXPECT_EQ(ini.readString(u8("S"), u8("exact")), exact);
  // The cut comes after the quotes are dropped.
  ini.writeString(u8("S"), u8("quoted"), u8("\"") + exact + u8("\""));
  EXPECT_EQ(ini.readString(u8("S"), u8("quoted")), exact);
}

TEST(IniFileNumbers, DecimalHexadecimalAndEverythingElse) {
  struct Case {
    const char* value;
    int expected;
  };
  const int def = 4242;
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"007", 7},
      {"-17", -17},
      {"  12  ", 12},
      {"\"12\"", 12},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", def},
      {"-2147483649", def},
      {"99999999999999999999", def},
      {"0x1F", 31},
      {"0XfF", 255},
      {"0x0", 0},
      {"0x7FFFFFFF", INT_MAX},
      {"0x80000000", def},
      {"0x", def},
      {"0X", def},
      {"0xG1", def},
      {"0x-1", def},
      {"-0x10", def},
      {"", def},
      {"-", def},
      {"+5", def},
      {"abc", def},
      {"12abc", def},
      {"1.5", def},
      {"1 2", def},
      {"１２", def},  // full-width digits are not digits here
  };
  for (const Case& c : cases) {
    IniFile ini(u8("[S]\r\nn=") + u8(c.value) + u8("\r\n"));
    EXPECT_EQ(ini.readInteger(u8("S"), u8("n"), def), c.expected) << '"' << c.value << '"';
  }
}

TEST(IniFileNumbers, IntegersAndBooleansAreWrittenInDecimal) {
  IniFile ini;
  ini.writeInteger(u8("S"), u8("a"), -5);
  ini.writeInteger(u8("S"), u8("b"), INT_MIN);
  ini.writeBool(u8("S"), u8("t"), true);
  ini.writeBool(u8("S"), u8("f"), false);
  EXPECT_EQ(ini.text(), u8("[S]\r\na=-5\r\nb=-2147483648\r\nt=1\r\nf=0\r\n"));
  const IniFile back = reopened(ini);
  EXPECT_EQ(back.readInteger(u8("S"), u8("b"), 0), INT_MIN);
  EXPECT_TRUE(back.readBool(u8("S"), u8("t"), false));
  EXPECT_FALSE(back.readBool(u8("S"), u8("f"), true));
}

TEST(IniFileNumbers, AnyNumberButZeroIsTrueAndNonNumbersGiveTheDefault) {
  IniFile ini(
      u8("[S]\r\none=1\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nhex=0x10\r\nhexzero=0x0\r\n"
         "word=tak\r\nempty=\r\n"));
  for (const char* key : {"one", "two", "minus", "hex"}) {
    EXPECT_TRUE(ini.readBool(u8("S"), u8(key), false)) << key;
  }
  for (const char* key : {"zero", "hexzero"}) {
    EXPECT_FALSE(ini.readBool(u8("S"), u8(key), true)) << key;
  }
  for (const char* key : {"word", "empty"}) {
    EXPECT_TRUE(ini.readBool(u8("S"), u8(key), true)) << key;
    EXPECT_FALSE(ini.readBool(u8("S"), u8(key), false)) << key;
  }
}

TEST(IniFileWriting, NewSectionsGoAtTheEndAndNewKeysAtTheEndOfTheirSection) {
  IniFile ini(u8("; pierwsza linia\r\n[A]\r\na1=1\r\n; po kluczu\r\n\r\n\r\n[B]\r\nb1=1\r\n"));
  ini.writeString(u8("A"), u8("a2"), u8("2"));
  ini.writeString(u8("C"), u8("c1"), u8("3"));
  ini.writeString(u8("B"), u8("b2"), u8("4"));
  ini.writeString(u8("C"), u8("c2"), u8("5"));
  EXPECT_EQ(ini.text(), u8("; pierwsza linia\r\n[A]\r\na1=1\r\na2=2\r\n; po kluczu\r\n\r\n\r\n"
                           "[B]\r\nb1=1\r\nb2=4\r\n[C]\r\nc1=3\r\nc2=5\r\n"));
  EXPECT_EQ(ini.sections(), (QStringList{u8("A"), u8("B"), u8("C")}));
  EXPECT_TRUE(ini.changed());
}

TEST(IniFileWriting, AKeyInASectionWithoutKeysGoesRightAfterItsHeader) {
  IniFile ini(u8("[Pusta]\r\n; tylko komentarz\r\n\r\n[Dalej]\r\nx=1\r\n"));
  ini.writeString(u8("pusta"), u8("k"), u8("v"));
  EXPECT_EQ(ini.text(), u8("[Pusta]\r\nk=v\r\n; tylko komentarz\r\n\r\n[Dalej]\r\nx=1\r\n"));
}

TEST(IniFileWriting, AnExistingKeyKeepsItsPlaceAndItsSpelling) {
  IniFile ini(u8("[Gracz]\r\n  PunktyRazem = 10\r\nImie=Jan\r\n[Inny]\r\npunktyrazem=3\r\n"));
  ini.writeInteger(u8("GRACZ"), u8("punktyrazem"), 20);
  EXPECT_EQ(ini.text(), u8("[Gracz]\r\nPunktyRazem=20\r\nImie=Jan\r\n[Inny]\r\npunktyrazem=3\r\n"));
  EXPECT_EQ(ini.keys(u8("Gracz")), (QStringList{u8("PunktyRazem"), u8("Imie")}));
}

TEST(IniFileWriting, WritingTheSameValueAgainIsNoChange) {
  const QString text = u8("[Gracz]\r\n  Wynik =  5 \r\nImie=Jan\r\n");
  IniFile ini(text);
  ini.writeInteger(u8("gracz"), u8("wynik"), 5);
  ini.writeString(u8("Gracz"), u8("Imie"), u8("Jan"));
  ini.writeString(u8("Gracz"), u8("Imie"), u8(" Jan "));
  EXPECT_FALSE(ini.changed());
  EXPECT_EQ(ini.text(), text);

  ini.writeString(u8("Gracz"), u8("Imie"), u8("Ola"));
  EXPECT_TRUE(ini.changed());
}

TEST(IniFileWriting, NamesThatCannotBeStoredAreRefusedAndLineBreaksInValuesBecomeSpaces) {
  IniFile ini(u8("[S]\r\nk=1\r\n"));
  const QString before = ini.text();
  ini.writeString(u8("S"), u8(""), u8("x"));
  ini.writeString(u8("S"), u8("a=b"), u8("x"));
  ini.writeString(u8("S"), u8("[T]"), u8("x"));
  ini.writeString(u8("S"), u8(";k"), u8("x"));
  ini.writeString(u8("S"), u8("a\nb"), u8("x"));
  ini.writeString(u8("S\r\n[T]"), u8("k"), u8("x"));
  EXPECT_EQ(ini.text(), before);
  EXPECT_FALSE(ini.changed());

  ini.writeString(u8("S"), u8("k"), u8("a\r\n[T]\rb\nc"));
  EXPECT_EQ(ini.text(), u8("[S]\r\nk=a  [T] b c\r\n"));
  EXPECT_EQ(reopened(ini).sections(), QStringList{u8("S")});
}

TEST(IniFileWriting, ACopyIsIndependentOfItsOriginal) {
  IniFile original(u8("[S]\r\nk=1\r\n"));
  IniFile copy(original);
  copy.writeString(u8("S"), u8("k"), u8("2"));
  EXPECT_EQ(original.readString(u8("S"), u8("k")), u8("1"));
  EXPECT_FALSE(original.changed());
  IniFile assigned;
  assigned = copy;
  EXPECT_EQ(assigned.readString(u8("S"), u8("k")), u8("2"));
  EXPECT_TRUE(assigned.changed());
}

TEST(IniFileListing, SectionsInFileOrderAndExistsMeansHoldingAKey) {
  IniFile ini(
      u8("x=przed sekcjami\r\n[Zeta]\r\nk=1\r\n[Alfa]\r\n; nic\r\n[Beta]\r\n\r\n"
         "[Gamma]\r\n=bez nazwy\r\nj=2\r\ni=3\r\n"));
  EXPECT_EQ(ini.sections(), (QStringList{u8("Zeta"), u8("Alfa"), u8("Beta"), u8("Gamma")}));
  EXPECT_TRUE(ini.sectionExists(u8("Zeta")));
  EXPECT_FALSE(ini.sectionExists(u8("Alfa")));
  EXPECT_FALSE(ini.sectionExists(u8("Beta")));
  EXPECT_EQ(ini.keys(u8("Gamma")), (QStringList{u8("j"), u8("i")}));
  EXPECT_TRUE(ini.keys(u8("Alfa")).isEmpty());
  // Text before the first header belongs to no section.
  EXPECT_EQ(ini.readString(u8(""), u8("x"), u8("d")), u8("d"));
}

TEST(IniFileRemoving, DeletingAKeyRemovesOnlyItsLine) {
  const QString text =
      u8("[A]\r\nk=1\r\n; uwaga\r\nDo usuniecia = 2\r\nz=3\r\n[B]\r\nDo usuniecia=4\r\n");
  IniFile ini(text);
  ini.deleteKey(u8("a"), u8("DO USUNIECIA"));
  EXPECT_EQ(ini.text(), u8("[A]\r\nk=1\r\n; uwaga\r\nz=3\r\n[B]\r\nDo usuniecia=4\r\n"));
  EXPECT_EQ(ini.readString(u8("A"), u8("Do usuniecia"), u8("d")), u8("d"));
  EXPECT_TRUE(ini.changed());

  IniFile untouched(text);
  untouched.deleteKey(u8("A"), u8("brak"));
  untouched.deleteKey(u8("Brak"), u8("k"));
  EXPECT_FALSE(untouched.changed());
  EXPECT_EQ(untouched.text(), text);
}

TEST(IniFileRemoving, ADeletedKeyDoesNotLeaveADuplicateBehind) {
  IniFile ini(u8("[A]\r\nk=1\r\nx=0\r\nK=2\r\n"));
  ini.deleteKey(u8("A"), u8("k"));
  EXPECT_EQ(ini.readString(u8("A"), u8("k"), u8("d")), u8("d"));
  EXPECT_EQ(ini.text(), u8("[A]\r\nx=0\r\n"));
}

TEST(IniFileRemoving, ErasingASectionLeavesTheOthersByteIdentical) {
  const QString head = u8(";  nagłówek  \r\n[Pierwszy]\r\n  a = 1 \r\n\r\n");
  const QString tail = u8("[Trzeci]\r\n\tc=3\r\n; koniec\r\n");
  IniFile ini(head + u8("[Drugi]\r\nb=2\r\n; komentarz drugiego\r\n\r\n") + tail);
  ini.eraseSection(u8("DRUGI"));
  EXPECT_EQ(ini.text(), head + tail);
  EXPECT_EQ(ini.sections(), (QStringList{u8("Pierwszy"), u8("Trzeci")}));
  EXPECT_TRUE(ini.changed());

  ini.writeString(u8("Trzeci"), u8("d"), u8("4"));
  EXPECT_EQ(ini.readString(u8("Trzeci"), u8("d")), u8("4")) << "the index follows the erase";
  ini.writeString(u8("Drugi"), u8("b"), u8("5"));
  EXPECT_EQ(ini.text(), head + u8("[Trzeci]\r\n\tc=3\r\nd=4\r\n; koniec\r\n[Drugi]\r\nb=5\r\n"));
}

TEST(IniFileRemoving, ErasingRemovesEveryDuplicateAndNothingIsNoChange) {
  IniFile ini(u8("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n"));
  ini.eraseSection(u8("a"));
  EXPECT_EQ(ini.text(), u8("[B]\r\nk=2\r\n"));
  EXPECT_EQ(ini.readString(u8("A"), u8("k"), u8("d")), u8("d"));

  IniFile other(u8("[B]\r\nk=2\r\n"));
  other.eraseSection(u8("A"));
  EXPECT_FALSE(other.changed());
}

TEST(IniFileText, LinesEndInCrLfAndCommentsBlankAndOtherLinesSurvive) {
  const QString text =
      u8("przed\n[S]\rk=1\r\n\r\n   \n; komentarz = nie klucz\r\n"
         "dziwna linia\r\n[bez końca\r\n[S2]\r\nx=2");
  IniFile ini(text);
  const QString normalised =
      u8("przed\r\n[S]\r\nk=1\r\n\r\n   \r\n; komentarz = nie klucz\r\n"
         "dziwna linia\r\n[bez końca\r\n[S2]\r\nx=2\r\n");
  EXPECT_EQ(ini.text(), normalised);
  EXPECT_EQ(ini.keys(u8("S")), QStringList{u8("k")});
  EXPECT_EQ(ini.sections(), (QStringList{u8("S"), u8("S2")}));

  ini.writeString(u8("S"), u8("k"), u8("9"));
  ini.writeString(u8("S2"), u8("y"), u8("3"));
  ini.deleteKey(u8("S2"), u8("x"));
  EXPECT_EQ(ini.text(), u8("przed\r\n[S]\r\nk=9\r\n\r\n   \r\n; komentarz = nie klucz\r\n"
                           "dziwna linia\r\n[bez końca\r\n[S2]\r\ny=3\r\n"));
}

TEST(IniFileText, HeaderNameRunsFromTheFirstOpeningToTheLastClosingBracket) {
  IniFile ini(u8("[a[b]c] ; uwaga\r\nk=1\r\n"));
  EXPECT_EQ(ini.sections(), QStringList{u8("a[b]c")});
  EXPECT_EQ(ini.readString(u8("a[b]c"), u8("k")), u8("1"));
  ini.writeString(u8("x]y"), u8("k"), u8("2"));
  EXPECT_EQ(reopened(ini).readString(u8("x]y"), u8("k")), u8("2"));
}

TEST(IniFileText, EmptyTextsAndATextOfBlankLines) {
  EXPECT_TRUE(IniFile(QString()).text().isEmpty());
  EXPECT_EQ(IniFile(u8("\n\n")).text(), u8("\r\n\r\n"));
  IniFile ini(u8("\r\n"));
  ini.writeString(u8("S"), u8("k"), u8("v"));
  EXPECT_EQ(ini.text(), u8("\r\n[S]\r\nk=v\r\n"));
}

}  // namespace
