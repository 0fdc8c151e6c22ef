// The generated page lines and their bytes, checked line for line against the
// worked examples.
#include "export/seitenkodierung.h"
#include "export/seitentext.h"

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* aus) { *aus << text.toStdString(); }
QT_END_NAMESPACE

namespace {

// The lines as one text with "\n", so a failure shows the whole page.
std::string text(const QStringList& zeilen) { return zeilen.join(QLatin1Char('\n')).toStdString(); }

SeitenEingabe luftbl()
{
    SeitenEingabe e;
    e.Dateikuerzel = QStringLiteral("luftbl");
    e.Zeilen = 2;
    e.Spalten = 3;
    e.LeerfeldX = 2;
    e.LeerfeldY = 1;
    e.Ueberschrift = QStringLiteral("Luftbild");
    return e;
}

const char* const SchiebeSkript = R"S(// Liste mit den Bildern (unbedingt das leer-Bild einbauen, zeilenweise)
BildListe = new Array(
"luftbl0_0.jpg", "luftbl0_1.jpg", "luftbl0_2.jpg", 
"luftbl1_0.jpg", "luftbl1_1.jpg", "luftblle.jpg"
);

// Anzahl der Zeilen und Spalten
var Zeilen  = 2;
var Spalten = 3;

// Koordinaten vom LeerBild
var LeerX = 3;
var LeerY = 2;

// Anzahl der Mischvorgaenge
var MaxMischen = 20;

// Anzeige der Zugnr und der Spielzeit
var ZugZeigen=true;
var ZeitZeigen=true;
)S";

const char* const SchiebeKoerper = R"S(<body text="#000000" bgcolor="#0000FF" onload="Laden();">
<h1>Luftbild</h1>
<br>&nbsp;
<table cellspacing=0 cellpadding=0 border=0 width=100%>
<tr>
<td>
<table border=0 cellpadding=0 cellspacing=1>
<tr>
<td bgcolor="#000080"><a href="javascript:Schiebe(1,1);"><img src="luftbl0_0.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Schiebe(2,1);"><img src="luftbl0_1.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Schiebe(3,1);"><img src="luftbl0_2.jpg" border=0 height=80 width=80></a></td>
</tr>
<tr>
<td bgcolor="#000080"><a href="javascript:Schiebe(1,2);"><img src="luftbl1_0.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Schiebe(2,2);"><img src="luftbl1_1.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Schiebe(3,2);"><img src="luftbl1_2.jpg" border=0 height=80 width=80></a></td>
</tr>
</table>
</td>
<td>
<table cellspacing=0 cellpadding=0>
<tr><td align=center><img src=luftblvs.jpg width=240 height=160></td></tr>
<tr><td>&nbsp;</td></tr>
<tr><td align=center>
<FORM><INPUT type=button value="Mischen" width="70" onClick="javascript:Mischen()">&nbsp;
<INPUT type=button value="Anzeigen" width="70" onClick="javascript:NeuStart()">&nbsp;
<INPUT type=button value="Anleitung" width="70" onClick="javascript:Anleitung()"></FORM>
</td></tr>
<tr><td>
<noscript>
<p><b><font face="Verdana,Arial,Helvetica,Helv"><font color="#CC6600"><font size=-1>JavaScript ist nicht aktiviert! <br>Aktiviere bei den Browsereinstellungen!</font></font></font></b>
<br></noscript><script language="JavaScript">
                    <!--
                     ZugZeitAnzeige();
                    //-->
                    </script>
</td></tr>
</table>
</td>
</tr>
</table>
</body>
</html>)S";

const char* const TauschSkript = R"S(// Liste mit den Bildern (zeilenweise)
BildListe = new Array(
"luftbl0_0.jpg", "luftbl0_1.jpg", "luftbl0_2.jpg", 
"luftbl1_0.jpg", "luftbl1_1.jpg", "luftbl1_2.jpg"
);

// Anzahl der Zeilen und Spalten
var Zeilen  = 2;
var Spalten = 3;

// Anzahl der Mischvorgaenge
var MaxMischen = 20;

// Window fuer Protokoll der Zuege
var positionenausgeben = false;
if (positionenausgeben == true) {
var win;
win=window.open("","Positionen","width=180,height=400,scrollbars=yes,resizeable=yes");
win.document.write("<b>Positionen</b><br>");
win.document.bgColor="#0000FF";
}

// Anzeige der Zugnr und der Spielzeit
var ZugZeigen=false;
var ZeitZeigen=true;
)S";

const char* const RaetselSkript = R"S(// Liste mit den Bildern (zeilenweise)
BildListe = new Array(
"luftbl0_0.jpg", "luftbl0_1.jpg", "luftbl0_2.jpg", 
"luftbl1_0.jpg", "luftbl1_1.jpg", "luftbl1_2.jpg"
);
leer = "luftblle.jpg";

// Anzahl der Zeilen und Spalten
var Zeilen  = 2;
var Spalten = 3;

// Anzahl der Mischvorgaenge
var MaxMischen = 20;

// Nr der richtigen Antwort
var RichtigAntwort = 7;

// Anzeige der Zugnr und der Spielzeit
var ZugZeigen=true;
var ZeitZeigen=false;
)S";

// Riddle body with the answers to the right and a memo whose third line is
// empty: two answer rows, the fourth line is not written.
const char* const RaetselKoerperRechts = R"S(<body text="#000000" bgcolor="#0000FF" onload="Laden();">
<h1></h1>
<br>&nbsp;
<table cellspacing=0 cellpadding=0 border=0 width=100%>
<tr>
<td>
<table border=0 cellpadding=0 cellspacing=1>
<tr>
<td bgcolor="#000080"><a href="javascript:Zeige(1,1);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Zeige(2,1);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Zeige(3,1);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
</tr>
<tr>
<td bgcolor="#000080"><a href="javascript:Zeige(1,2);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Zeige(2,2);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
<td bgcolor="#000080"><a href="javascript:Zeige(3,2);"><img src="luftblle.jpg" border=0 height=80 width=80></a></td>
</tr>
</table>
</td>
<td>
<table>
<tr>
<td>
<b>Was verbirgt sich hinter den Bildkarten?</b>
<p><table border=1 cellspacing=0 cellpadding=3>
<tr>
<td bgcolor="#BBBBBB"><a href="javascript:Antwort(1);">&nbsp;1&nbsp;</a></td><td>&nbsp;Leuchtturm&nbsp;</td>
</tr>
<tr>
<td bgcolor="#BBBBBB"><a href="javascript:Antwort(2);">&nbsp;2&nbsp;</a></td><td>&nbsp;Hafen & <i>Mole</i>&nbsp;</td>
</tr>
</table>
</td>
</tr>
<tr>
<td valign="top">
<img src="falsrich.gif" vspace=10>
</td>
</tr>
</table>
</td>
</tr>
</table>
<table cellspacing=0 cellpadding=0>
<tr><td align=center>
<FORM>
<INPUT type=button value="Anzeigen" width="70" onClick="javascript:Anzeigen()">&nbsp;
<INPUT type=button value="Anleitung" width="70" onClick="javascript:Anleitung()">
</FORM>
</td>
<td>
<noscript>
<p><b><font face="Verdana,Arial,Helvetica,Helv"><font color="#CC6600"><font size=-1>JavaScript ist nicht aktiviert! <br>Aktiviere bei den Browsereinstellungen!</font></font></font></b>
</noscript><script language="JavaScript">
                    <!--
                     ZugZeitAnzeige();
                    //-->
                    </script>
</td>
</tr>
</table>
</body>
</html>)S";

TEST(HtmlFarbe, DrehtDieBytesUndLoestKeineSystemfarbeAuf)
{
    EXPECT_EQ(HtmlFarbe(0x8000000F), QStringLiteral("000080"));
    EXPECT_EQ(HtmlFarbe(0xFF0000), QStringLiteral("0000FF"));
    EXPECT_EQ(HtmlFarbe(0x0000FF), QStringLiteral("FF0000"));
    EXPECT_EQ(HtmlFarbe(0x123456), QStringLiteral("563412"));
    EXPECT_EQ(HtmlFarbe(0x00000A), QStringLiteral("0A0000"));
    EXPECT_EQ(HtmlFarbe(0), QStringLiteral("000000"));
}

TEST(SchiebeSeite, BeispielMitLeerfeldInDerLetztenZelle)
{
    const Seitentext s = SchiebeSeite(luftbl());
    EXPECT_EQ(text(s.Skript), SchiebeSkript);
    EXPECT_EQ(text(s.Koerper), SchiebeKoerper);
}

TEST(SchiebeSeite, EinfeldrasterOhneVorschauUndOhneUeberschrift)
{
    SeitenEingabe e = luftbl();
    e.Zeilen = e.Spalten = 1;
    e.LeerfeldX = e.LeerfeldY = 0;
    e.VorschauErzeugen = false;
    e.Ueberschrift.clear();
    e.Kachelbreite = 33;
    const Seitentext s = SchiebeSeite(e);
    EXPECT_EQ(s.Skript.at(2), QStringLiteral("\"luftblle.jpg\""));
    EXPECT_EQ(s.Skript.at(3), QStringLiteral(");"));
    EXPECT_TRUE(s.Skript.contains(QStringLiteral("var LeerX = 1;")));
    EXPECT_TRUE(s.Skript.contains(QStringLiteral("var LeerY = 1;")));
    EXPECT_EQ(s.Koerper.at(1), QStringLiteral("<h1></h1>"));
    EXPECT_EQ(s.Koerper.at(8), QStringLiteral("<td bgcolor=\"#000080\"><a href=\"javascript:Schiebe(1,1);\"><img "
                                              "src=\"luftbl0_0.jpg\" border=0 height=33 width=33></a></td>"));
    const qsizetype tabelle = s.Koerper.indexOf(QStringLiteral("<table cellspacing=0 cellpadding=0>"));
    ASSERT_GT(tabelle, 0);
    EXPECT_EQ(s.Koerper.at(tabelle + 1), QStringLiteral("<tr><td>&nbsp;</td></tr>"));
    EXPECT_EQ(s.Koerper.size(), QString::fromLatin1(SchiebeKoerper).split(QLatin1Char('\n')).size() - 7 - 1);
}

TEST(SchiebeSeite, LeerfeldAusserhalbDesRastersNenntKeinLeerbild)
{
    SeitenEingabe e = luftbl();
    e.LeerfeldX = 5;
    const Seitentext s = SchiebeSeite(e);
    EXPECT_FALSE(s.Skript.join(QString()).contains(QStringLiteral("le.jpg")));
    EXPECT_TRUE(s.Skript.contains(QStringLiteral("var LeerX = 6;")));
}

TEST(TauschSeite, BeispielOhneZugausgabeUndOhneZugzaehler)
{
    SeitenEingabe e = luftbl();
    e.Zugausgabe = false;
    e.ZugZeigen = false;
    const Seitentext s = TauschSeite(e);
    EXPECT_EQ(text(s.Skript), TauschSkript);
    // The body is the sliding page's, with the swap call in the tile links.
    EXPECT_EQ(text(s.Koerper), QString::fromLatin1(SchiebeKoerper).replace("Schiebe(", "Tausche(").toStdString());
    EXPECT_TRUE(s.Koerper.contains(QStringLiteral("<td bgcolor=\"#000080\"><a href=\"javascript:Tausche(3,2);\"><img "
                                                  "src=\"luftbl1_2.jpg\" border=0 height=80 width=80></a></td>")));
    e.Zugausgabe = true;
    EXPECT_TRUE(TauschSeite(e).Skript.contains(QStringLiteral("var positionenausgeben = true;")));
}

TEST(RaetselSeite, AntwortenRechtsEndenVorDerLeerzeile)
{
    SeitenEingabe e = luftbl();
    e.Ueberschrift.clear();
    e.ZeitZeigen = false;
    e.RichtigAntwort = 7; // more than there are answers: written as it stands
    e.Antworten = {QStringLiteral("Leuchtturm"), QStringLiteral("Hafen & <i>Mole</i>"), QString(),
                   QStringLiteral("nicht mehr")};
    const Seitentext s = RaetselSeite(e);
    EXPECT_EQ(text(s.Skript), RaetselSkript);
    EXPECT_EQ(text(s.Koerper), RaetselKoerperRechts);
}

TEST(RaetselSeite, AntwortenUntenFolgenDerLetztenTabelle)
{
    SeitenEingabe e = luftbl();
    e.Ueberschrift.clear();
    e.ZeitZeigen = false;
    e.Antworten = {QStringLiteral("Leuchtturm"), QStringLiteral("Hafen & <i>Mole</i>")};
    e.AntwortenUnten = true;

    // The same page as with the answers to the right, except that the
    // answers table (20 lines here) leaves its cell (B11 is missing
    // entirely) and follows the last "</table>" directly.
    QStringList erwartet = QString::fromLatin1(RaetselKoerperRechts).split(QLatin1Char('\n'));
    const qsizetype tabelle = erwartet.indexOf(QStringLiteral("<table>"));
    const QStringList antworten = erwartet.mid(tabelle, 20);
    ASSERT_EQ(erwartet.at(tabelle - 1), QStringLiteral("<td>"));
    ASSERT_EQ(erwartet.at(tabelle + 20), QStringLiteral("</td>"));
    erwartet.remove(tabelle - 1, 22);
    erwartet.remove(erwartet.size() - 2, 2);
    erwartet << antworten << QStringLiteral("</body>") << QStringLiteral("</html>");
    EXPECT_EQ(text(RaetselSeite(e).Koerper), text(erwartet));

    for (int i = 3; i <= 10; ++i)
        e.Antworten << QStringLiteral("Antwort %1").arg(i);
    EXPECT_TRUE(RaetselSeite(e).Koerper.contains(
        QStringLiteral("<td bgcolor=\"#BBBBBB\"><a href=\"javascript:Antwort(10);\">&nbsp;10&nbsp;"
                       "</a></td><td>&nbsp;Antwort 10&nbsp;</td>")));
}

TEST(RaetselSeite, LeeresMemoGibtNurKopfUndFragebild)
{
    SeitenEingabe e = luftbl();
    e.Antworten = {QString(), QStringLiteral("zu spaet")};
    const QStringList z = RaetselSeite(e).Koerper;
    const qsizetype kopf = z.indexOf(QStringLiteral("<p><table border=1 cellspacing=0 cellpadding=3>"));
    EXPECT_EQ(z.at(kopf + 1), QStringLiteral("</table>"));
    EXPECT_FALSE(z.join(QString()).contains(QStringLiteral("Antwort(")));
    EXPECT_TRUE(z.contains(QStringLiteral("<img src=\"falsrich.gif\" vspace=10>")));
}

TEST(TabellenSeite, ZeigtJedeKachelAuchAmLeerfeld)
{
    TabellenEingabe e;
    e.Bilddatei = QStringLiteral("/tmp/bilder/zwischenablage_temp.bmp");
    e.Dateikuerzel = QStringLiteral("luftbl");
    e.Zeilen = 2;
    e.Spalten = 3;
    e.Gitterbreite = 0;
    EXPECT_EQ(text(TabellenSeite(e)), R"S(<html>
<head>
   <meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">
   <meta name="author" content="Tesselo">
   <meta name="GENERATOR" content="Tesselo">
   <title>Bildtabelle</title>
</head>
<body bgcolor=#0000FF>
<h1>Bildtabelle von zwischenablage_temp.bmp</h1>
<table border=0 cellpadding=0 cellspacing=0 align=center>
<tr>
<td><img src="luftbl0_0.jpg"></td><td><img src="luftbl0_1.jpg"></td><td><img src="luftbl0_2.jpg"></td>
</tr>
<tr>
<td><img src="luftbl1_0.jpg"></td><td><img src="luftbl1_1.jpg"></td><td><img src="luftbl1_2.jpg"></td>
</tr>
</table>
</body>
</html>)S");
}

TEST(Seitentext, AnfuehrungszeichenImKuerzelZerbrechenWederSkriptNochAttribut)
{
    SeitenEingabe e = luftbl();
    e.Dateikuerzel = QStringLiteral("a\"b\\");
    const Seitentext s = RaetselSeite(e);
    EXPECT_EQ(s.Skript.at(2).left(17), QStringLiteral("\"a\\\"b\\\\0_0.jpg\", "));
    EXPECT_TRUE(s.Skript.contains(QStringLiteral("leer = \"a\\\"b\\\\le.jpg\";")));
    EXPECT_TRUE(s.Koerper.join(QString()).contains(QStringLiteral("<img src=\"a&quot;b\\le.jpg\" border=0")));
}

TEST(Seitentext, NachweisBeschreibungUndKuerzelMitLeerzeichen)
{
    SeitenEingabe e = luftbl();
    e.Dateikuerzel = QStringLiteral("Möwe a");
    e.Bildnachweis = QStringLiteral("A & B <C>");
    e.Bildbeschreibung = QStringLiteral("Möwe \"am\" Strand");
    const QStringList schiebe = SchiebeSeite(e).Koerper;
    // Unquoted, a space would end the preview's name.
    EXPECT_TRUE(schiebe.contains(QStringLiteral(
        "<tr><td align=center><img src=\"Möwe avs.jpg\" width=240 height=160 alt=\"Möwe &quot;am&quot; Strand\"></td></tr>")));
    EXPECT_EQ(schiebe.at(schiebe.size() - 3), QStringLiteral("<p class=\"tesselo-nachweis\">Bildnachweis: A &amp; B &lt;C&gt;</p>"));
    const QStringList raetsel = RaetselSeite(e).Koerper;
    EXPECT_EQ(raetsel.at(raetsel.size() - 3), schiebe.at(schiebe.size() - 3));
    EXPECT_FALSE(raetsel.join(QString()).contains(QStringLiteral("Strand")));

    TabellenEingabe t;
    t.Bilddatei = QStringLiteral("C:\\Fotos\\<b>Möwe & Co.bmp");
    t.Dateikuerzel = QStringLiteral("Möwe a");
    t.Zeilen = 1;
    t.Spalten = 2;
    t.Bildnachweis = e.Bildnachweis;
    t.Bildbeschreibung = QStringLiteral("Eine Möwe");
    const QStringList tabelle = TabellenSeite(t);
    EXPECT_EQ(tabelle.at(8), QStringLiteral("<h1>Bildtabelle von &lt;b&gt;Möwe &amp; Co.bmp</h1>"));
    EXPECT_EQ(tabelle.at(9), QStringLiteral("<table border=0 cellpadding=0 cellspacing=1 align=center role=\"img\" "
                                            "aria-label=\"Eine Möwe\">"));
    EXPECT_EQ(tabelle.at(11), QStringLiteral("<td><img src=\"Möwe a0_0.jpg\" alt=\"\"></td><td><img src=\"Möwe a0_1.jpg\" alt=\"\"></td>"));
    EXPECT_EQ(tabelle.at(14), QStringLiteral("<p align=center><span style=\"background:#FFFFFF;color:#000000;padding:2px 6px\">"
                                             "Bildnachweis: A &amp; B &lt;C&gt;</span></p>"));
}

TEST(Seitentext, EingebetteteBilderStehenFuerIhreDateinamen)
{
    SeitenEingabe e = luftbl();
    const auto adresse = [](const QString& name) { return QStringLiteral("data:image/jpeg;base64,") + name + "=="; };
    for (const QString& name : {"luftbl0_0.jpg", "luftbl0_1.jpg", "luftbl0_2.jpg", "luftbl1_0.jpg", "luftbl1_1.jpg",
                                "luftbl1_2.jpg", "luftblle.jpg", "luftblvs.jpg", "falsch.gif", "richtig.gif",
                                "falsrich.gif"})
        e.Bildadressen.insert(name, adresse(name));
    // The script names the pictures the board does not show at load, the board the others.
    const Seitentext schiebe = SchiebeSeite(e);
    EXPECT_EQ(schiebe.Skript.mid(0, 4),
              (QStringList{"// Die Bilder der Seite, in die Seite eingebettet", "var Bildquellen = {};",
                           "Bildquellen[\"luftblle.jpg\"] = \"" + adresse("luftblle.jpg") + "\";", QString()}));
    EXPECT_EQ(schiebe.Skript.mid(4), SchiebeSeite(luftbl()).Skript);
    EXPECT_TRUE(schiebe.Koerper.contains("<tr><td align=center><img src=\"" + adresse("luftblvs.jpg") +
                                         "\" width=240 height=160></td></tr>"));
    EXPECT_TRUE(schiebe.Koerper.join(QString()).contains("<img src=\"" + adresse("luftbl1_2.jpg") + "\" border=0"));
    EXPECT_FALSE(schiebe.Koerper.join(QString()).contains(QStringLiteral("src=\"luftbl")));
    EXPECT_EQ(TauschSeite(e).Skript.mid(0, 3),
              (QStringList{"// Die Bilder der Seite, in die Seite eingebettet", "var Bildquellen = {};", QString()}));

    const Seitentext raetsel = RaetselSeite(e);
    EXPECT_EQ(raetsel.Skript.indexOf(QStringLiteral("var Bildquellen = {};")), 1);
    EXPECT_EQ(raetsel.Skript.filter(QStringLiteral("Bildquellen[")).size(), 6 + 3);
    EXPECT_TRUE(raetsel.Skript.contains(QStringLiteral("leer = \"luftblle.jpg\";")));
    EXPECT_TRUE(raetsel.Koerper.contains("<img src=\"" + adresse("falsrich.gif") + "\" vspace=10>"));
}

TEST(Seitenbytes, Latin1UndVerweiseFuerAlleAnderenZeichen)
{
    const QStringList zeilen{QStringLiteral("<h1>Grüße aus Köln ½</h1>"), QString(),
                             QString::fromUtf8("Preis 5 \u20ac \U0001F600")};
    EXPECT_EQ(Seitenbytes(zeilen, Textart::Html),
              QByteArray("<h1>Gr\xfc\xdf" "e aus K\xf6ln \xbd</h1>\r\n\r\nPreis 5 &#8364; &#128512;\r\n"));
    EXPECT_EQ(Seitenbytes({QString::fromUtf8("\"\u0150rs\u00e9g\U0001F600\"")}, Textart::Skript),
              QByteArray("\"\\u0150rs\xe9g\\ud83d\\ude00\"\r\n"));
    EXPECT_TRUE(Seitenbytes({}, Textart::Html).isEmpty());
}

TEST(VorlageZeilen, ZeilenEndenAnCrUndSteuerZEndetDieDatei)
{
    using Z = QList<QByteArray>;
    EXPECT_EQ(VorlageZeilen("a\r\nb\r\n"), (Z{"a", "b"}));
    EXPECT_EQ(VorlageZeilen("a\rb\r\r\nc"), (Z{"a", "b", "", "c"}));
    EXPECT_EQ(VorlageZeilen("eins\nzwei\r\n\n"), (Z{"eins\nzwei", "\n"}));
    EXPECT_EQ(VorlageZeilen("a\r\n\x1a" "danach\r\n"), (Z{"a"}));
    EXPECT_EQ(VorlageZeilen("ab\x1a"), (Z{"ab"}));
    EXPECT_EQ(VorlageZeilen("\r\n\r\n"), (Z{"", ""}));
    EXPECT_TRUE(VorlageZeilen("").isEmpty());
    EXPECT_TRUE(VorlageZeilen("\x1a\r\n").isEmpty());
    const QByteArray lang(200000, 'x');
    EXPECT_EQ(VorlageZeilen(lang + "\r\n" + "\xe4"), (Z{lang, "\xe4"}));
}

} // namespace
