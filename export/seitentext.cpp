#include "export/seitentext.h"

#include <algorithm>

namespace {

QString zahl(int wert) { return QString::number(wert); }
QString wahr(bool wert) { return wert ? QStringLiteral("true") : QStringLiteral("false"); }

// A file name inside a JavaScript string literal. A quote or backslash in the
// prefix (possible on Linux, never on Windows) would otherwise end the string
// and break the whole game script.
QString imSkript(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A file name inside a double-quoted attribute: the quote would end it, and an
// "&" could start a reference.
QString imAttribut(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return text;
}

// The preview's name stands unquoted where it can ("Möwe a" + "vs.jpg" cannot).
QString alsAttributwert(const QString& name)
{
    static const QString trenner = QStringLiteral(" \t\n\r\f\"'=<>`&");
    const bool ohne = !name.isEmpty() &&
                      std::none_of(name.begin(), name.end(), [](QChar z) { return trenner.contains(z); });
    return ohne ? name : QLatin1Char('"') + imAttribut(name) + QLatin1Char('"');
}

// Where the page finds a picture: beside it, or inside it.
QString quelle(const SeitenEingabe& e, const QString& name) { return e.Bildadressen.value(name, name); }

// Tile file of row r and column c, both from 0 (the names the tile saving writes).
QString kachel(const QString& kuerzel, int zeile, int spalte)
{
    return kuerzel + zahl(zeile) + QLatin1Char('_') + zahl(spalte) + QLatin1String(".jpg");
}

QString leerbild(const QString& kuerzel) { return kuerzel + QLatin1String("le.jpg"); }

// A page that is one file names its pictures as the folder page does; those
// the board does not show at load come along in the script, the others the
// script takes from the board, so no picture is in the page twice.
void eingebetteteBilder(QStringList& z, const SeitenEingabe& e, const QStringList& namen)
{
    if (e.Bildadressen.isEmpty())
        return;
    z << QStringLiteral("// Die Bilder der Seite, in die Seite eingebettet") << QStringLiteral("var Bildquellen = {};");
    for (const QString& name : namen)
        if (e.Bildadressen.contains(name))
            z << QStringLiteral("Bildquellen[") + imSkript(name) + QStringLiteral("] = ") +
                     imSkript(e.Bildadressen.value(name)) + QLatin1Char(';');
    z << QString();
}

void bildnachweis(QStringList& z, const QString& nachweis)
{
    if (!nachweis.isEmpty())
        z << QStringLiteral("<p class=\"tesselo-nachweis\">Bildnachweis: ") + HtmlText(nachweis) +
                 QStringLiteral("</p>");
}

// The picture list, one line per row; every entry but the very last is
// followed by ", ". mitLeerfeld puts the empty tile's name at its cell.
void bildliste(QStringList& z, const SeitenEingabe& e, bool mitLeerfeld)
{
    z << QStringLiteral("BildListe = new Array(");
    for (int r = 0; r < e.Zeilen; ++r) {
        QString zeile;
        for (int c = 0; c < e.Spalten; ++c) {
            const bool leer = mitLeerfeld && r == e.LeerfeldY && c == e.LeerfeldX;
            zeile += imSkript(leer ? leerbild(e.Dateikuerzel) : kachel(e.Dateikuerzel, r, c));
            if (r < e.Zeilen - 1 || c < e.Spalten - 1)
                zeile += QLatin1String(", ");
        }
        z << zeile;
    }
    z << QStringLiteral(");");
}

void rasterzahlen(QStringList& z, const SeitenEingabe& e)
{
    z << QStringLiteral("// Anzahl der Zeilen und Spalten") << QStringLiteral("var Zeilen  = ") + zahl(e.Zeilen) + ";"
      << QStringLiteral("var Spalten = ") + zahl(e.Spalten) + ";" << QString();
}

void mischzahl(QStringList& z)
{
    z << QStringLiteral("// Anzahl der Mischvorgaenge") << QStringLiteral("var MaxMischen = 20;") << QString();
}

void anzeigeschalter(QStringList& z, const SeitenEingabe& e)
{
    z << QStringLiteral("// Anzeige der Zugnr und der Spielzeit") << QStringLiteral("var ZugZeigen=") + wahr(e.ZugZeigen) + ";"
      << QStringLiteral("var ZeitZeigen=") + wahr(e.ZeitZeigen) + ";" << QString();
}

QString koerperanfang(const SeitenEingabe& e)
{
    return QStringLiteral("<body text=\"#000000\" bgcolor=\"#") + HtmlFarbe(e.Hintergrundfarbe) +
           QStringLiteral("\" onload=\"Laden();\">");
}

// Heading and the opening of the tile table, shared by all three game pages.
void kopfUndRaster(QStringList& z, const SeitenEingabe& e, const QString& funktion, bool verdeckt)
{
    z << koerperanfang(e) << QStringLiteral("<h1>") + e.Ueberschrift + QStringLiteral("</h1>")
      << QStringLiteral("<br>&nbsp;") << QStringLiteral("<table cellspacing=0 cellpadding=0 border=0 width=100%>")
      << QStringLiteral("<tr>") << QStringLiteral("<td>")
      << QStringLiteral("<table border=0 cellpadding=0 cellspacing=") + zahl(e.Gitterbreite) + ">";
    const QString zelle = QStringLiteral("<td bgcolor=\"#") + HtmlFarbe(e.Gitterlinienfarbe) +
                          QStringLiteral("\"><a href=\"javascript:") + funktion + QLatin1Char('(');
    const QString groesse = QStringLiteral("height=") + zahl(e.Kachelbreite) + QStringLiteral(" width=") +
                            zahl(e.Kachelbreite) + QStringLiteral("></a></td>");
    for (int r = 1; r <= e.Zeilen; ++r) {
        z << QStringLiteral("<tr>");
        for (int c = 1; c <= e.Spalten; ++c) {
            const QString bild = verdeckt ? leerbild(e.Dateikuerzel) : kachel(e.Dateikuerzel, r - 1, c - 1);
            z << zelle + zahl(c) + QLatin1Char(',') + zahl(r) + QStringLiteral(");\">") + QStringLiteral("<img src=\"") +
                     imAttribut(quelle(e, bild)) + QStringLiteral("\" border=0 ") + groesse;
        }
        z << QStringLiteral("</tr>");
    }
    z << QStringLiteral("</table>") << QStringLiteral("</td>");
}

QString keinSkriptHinweis()
{
    return QStringLiteral("<p><b><font face=\"Verdana,Arial,Helvetica,Helv\"><font color=\"#CC6600\"><font size=-1>"
                          "JavaScript ist nicht aktiviert! <br>Aktiviere bei den Browsereinstellungen!"
                          "</font></font></font></b>");
}

void zugZeitAufruf(QStringList& z)
{
    const QString zwanzig(20, QLatin1Char(' '));
    z << zwanzig + QStringLiteral("<!--") << zwanzig + QStringLiteral(" ZugZeitAnzeige();")
      << zwanzig + QStringLiteral("//-->") << zwanzig + QStringLiteral("</script>");
}

// Body of the sliding and the swap page; they differ only in the tile link.
QStringList spielkoerper(const SeitenEingabe& e, const QString& funktion)
{
    QStringList z;
    kopfUndRaster(z, e, funktion, false);
    z << QStringLiteral("<td>") << QStringLiteral("<table cellspacing=0 cellpadding=0>");
    if (e.VorschauErzeugen)
        z << QStringLiteral("<tr><td align=center><img src=") +
                 alsAttributwert(quelle(e, e.Dateikuerzel + QStringLiteral("vs.jpg"))) + QStringLiteral(" width=") +
                 zahl(e.VorschauBreite) + QStringLiteral(" height=") + zahl(e.VorschauHoehe) +
                 (e.Bildbeschreibung.isEmpty() ? QString()
                                               : QStringLiteral(" alt=\"") + HtmlText(e.Bildbeschreibung) + "\"") +
                 QStringLiteral("></td></tr>");
    z << QStringLiteral("<tr><td>&nbsp;</td></tr>") << QStringLiteral("<tr><td align=center>")
      << QStringLiteral("<FORM><INPUT type=button value=\"Mischen\" width=\"70\" onClick=\"javascript:Mischen()\">&nbsp;")
      << QStringLiteral("<INPUT type=button value=\"Anzeigen\" width=\"70\" onClick=\"javascript:NeuStart()\">&nbsp;")
      << QStringLiteral("<INPUT type=button value=\"Anleitung\" width=\"70\" onClick=\"javascript:Anleitung()\"></FORM>")
      << QStringLiteral("</td></tr>") << QStringLiteral("<tr><td>") << QStringLiteral("<noscript>")
      << keinSkriptHinweis() << QStringLiteral("<br></noscript><script language=\"JavaScript\">");
    zugZeitAufruf(z);
    z << QStringLiteral("</td></tr>") << QStringLiteral("</table>") << QStringLiteral("</td>")
      << QStringLiteral("</tr>") << QStringLiteral("</table>");
    bildnachweis(z, e.Bildnachweis);
    z << QStringLiteral("</body>") << QStringLiteral("</html>");
    return z;
}

void antworttabelle(QStringList& z, const SeitenEingabe& e)
{
    z << QStringLiteral("<table>") << QStringLiteral("<tr>") << QStringLiteral("<td>")
      << QStringLiteral("<b>Was verbirgt sich hinter den Bildkarten?</b>")
      << QStringLiteral("<p><table border=1 cellspacing=0 cellpadding=3>");
    for (int i = 0; i < e.Antworten.size() && !e.Antworten.at(i).isEmpty(); ++i) {
        const QString n = zahl(i + 1);
        z << QStringLiteral("<tr>")
          << QStringLiteral("<td bgcolor=\"#BBBBBB\"><a href=\"javascript:Antwort(") + n + QStringLiteral(");\">&nbsp;") +
                 n + QStringLiteral("&nbsp;</a></td><td>&nbsp;") + e.Antworten.at(i) + QStringLiteral("&nbsp;</td>")
          << QStringLiteral("</tr>");
    }
    z << QStringLiteral("</table>") << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("<tr>")
      << QStringLiteral("<td valign=\"top\">")
      << QStringLiteral("<img src=\"") + imAttribut(quelle(e, QStringLiteral("falsrich.gif"))) +
             QStringLiteral("\" vspace=10>")
      << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("</table>");
}

QStringList kachelnamen(const SeitenEingabe& e)
{
    QStringList namen;
    for (int r = 0; r < e.Zeilen; ++r)
        for (int c = 0; c < e.Spalten; ++c)
            namen << kachel(e.Dateikuerzel, r, c);
    return namen;
}

} // namespace

QString Dateiname(const QString& pfad)
{
    return pfad.mid(std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\'))) + 1);
}

QString HtmlText(const QString& text)
{
    return text.toHtmlEscaped();
}

QString HtmlFarbe(Farbwert farbe)
{
    const QString hex = QString::number(farbe, 16).toUpper().rightJustified(6, QLatin1Char('0'));
    return hex.mid(4, 2) + hex.mid(2, 2) + hex.mid(0, 2);
}

Seitentext SchiebeSeite(const SeitenEingabe& e)
{
    Seitentext s;
    eingebetteteBilder(s.Skript, e, {leerbild(e.Dateikuerzel)});
    s.Skript << QStringLiteral("// Liste mit den Bildern (unbedingt das leer-Bild einbauen, zeilenweise)");
    bildliste(s.Skript, e, true);
    s.Skript << QString();
    rasterzahlen(s.Skript, e);
    s.Skript << QStringLiteral("// Koordinaten vom LeerBild") << QStringLiteral("var LeerX = ") + zahl(e.LeerfeldX + 1) + ";"
             << QStringLiteral("var LeerY = ") + zahl(e.LeerfeldY + 1) + ";" << QString();
    mischzahl(s.Skript);
    anzeigeschalter(s.Skript, e);
    s.Koerper = spielkoerper(e, QStringLiteral("Schiebe"));
    return s;
}

Seitentext TauschSeite(const SeitenEingabe& e)
{
    Seitentext s;
    eingebetteteBilder(s.Skript, e, {});
    s.Skript << QStringLiteral("// Liste mit den Bildern (zeilenweise)");
    bildliste(s.Skript, e, false);
    s.Skript << QString();
    rasterzahlen(s.Skript, e);
    mischzahl(s.Skript);
    s.Skript << QStringLiteral("// Window fuer Protokoll der Zuege")
             << QStringLiteral("var positionenausgeben = ") + wahr(e.Zugausgabe) + ";"
             << QStringLiteral("if (positionenausgeben == true) {") << QStringLiteral("var win;")
             << QStringLiteral("win=window.open(\"\",\"Positionen\",\"width=180,height=400,scrollbars=yes,resizeable=yes\");")
             << QStringLiteral("win.document.write(\"<b>Positionen</b><br>\");")
             << QStringLiteral("win.document.bgColor=\"#") + HtmlFarbe(e.Hintergrundfarbe) + QStringLiteral("\";")
             << QStringLiteral("}") << QString();
    anzeigeschalter(s.Skript, e);
    s.Koerper = spielkoerper(e, QStringLiteral("Tausche"));
    return s;
}

Seitentext RaetselSeite(const SeitenEingabe& e)
{
    Seitentext s;
    eingebetteteBilder(s.Skript, e,
                       kachelnamen(e) + QStringList{QStringLiteral("falsrich.gif"), QStringLiteral("richtig.gif"),
                                                    QStringLiteral("falsch.gif")});
    s.Skript << QStringLiteral("// Liste mit den Bildern (zeilenweise)");
    bildliste(s.Skript, e, false);
    s.Skript << QStringLiteral("leer = ") + imSkript(leerbild(e.Dateikuerzel)) + ";" << QString();
    rasterzahlen(s.Skript, e);
    mischzahl(s.Skript);
    s.Skript << QStringLiteral("// Nr der richtigen Antwort")
             << QStringLiteral("var RichtigAntwort = ") + zahl(e.RichtigAntwort) + ";" << QString();
    anzeigeschalter(s.Skript, e);

    QStringList& z = s.Koerper;
    kopfUndRaster(z, e, QStringLiteral("Zeige"), true);
    if (!e.AntwortenUnten) {
        z << QStringLiteral("<td>");
        antworttabelle(z, e);
        z << QStringLiteral("</td>");
    }
    z << QStringLiteral("</tr>") << QStringLiteral("</table>") << QStringLiteral("<table cellspacing=0 cellpadding=0>")
      << QStringLiteral("<tr><td align=center>") << QStringLiteral("<FORM>")
      << QStringLiteral("<INPUT type=button value=\"Anzeigen\" width=\"70\" onClick=\"javascript:Anzeigen()\">&nbsp;")
      << QStringLiteral("<INPUT type=button value=\"Anleitung\" width=\"70\" onClick=\"javascript:Anleitung()\">")
      << QStringLiteral("</FORM>") << QStringLiteral("</td>") << QStringLiteral("<td>") << QStringLiteral("<noscript>")
      << keinSkriptHinweis() << QStringLiteral("</noscript><script language=\"JavaScript\">");
    zugZeitAufruf(z);
    z << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("</table>");
    if (e.AntwortenUnten)
        antworttabelle(z, e);
    bildnachweis(z, e.Bildnachweis);
    z << QStringLiteral("</body>") << QStringLiteral("</html>");
    return s;
}

QStringList TabellenSeite(const TabellenEingabe& e)
{
    QStringList z;
    z << QStringLiteral("<html>") << QStringLiteral("<head>")
      << QStringLiteral("   <meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">")
      << QStringLiteral("   <meta name=\"author\" content=\"Tesselo\">")
      << QStringLiteral("   <meta name=\"GENERATOR\" content=\"Tesselo\">") << QStringLiteral("   <title>Bildtabelle</title>")
      << QStringLiteral("</head>") << QStringLiteral("<body bgcolor=#") + HtmlFarbe(e.Hintergrundfarbe) + ">"
      << QStringLiteral("<h1>Bildtabelle von ") + HtmlText(Dateiname(e.Bilddatei)) + QStringLiteral("</h1>");
    // A description names the whole table as one picture; its tiles are parts of it.
    const bool beschrieben = !e.Bildbeschreibung.isEmpty();
    z << QStringLiteral("<table border=0 cellpadding=0 cellspacing=") + zahl(e.Gitterbreite) +
             QStringLiteral(" align=center") +
             (beschrieben ? QStringLiteral(" role=\"img\" aria-label=\"") + HtmlText(e.Bildbeschreibung) + "\"" : QString()) +
             QLatin1Char('>');
    for (int r = 0; r < e.Zeilen; ++r) {
        QString zeile;
        for (int c = 0; c < e.Spalten; ++c)
            zeile += QStringLiteral("<td><img src=\"") + imAttribut(kachel(e.Dateikuerzel, r, c)) +
                     (beschrieben ? QStringLiteral("\" alt=\"\"></td>") : QStringLiteral("\"></td>"));
        z << QStringLiteral("<tr>") << zeile << QStringLiteral("</tr>");
    }
    z << QStringLiteral("</table>");
    if (!e.Bildnachweis.isEmpty())
        z << QStringLiteral("<p align=center><span style=\"background:#FFFFFF;color:#000000;padding:2px 6px\">"
                            "Bildnachweis: ") +
                 HtmlText(e.Bildnachweis) + QStringLiteral("</span></p>");
    z << QStringLiteral("</body>") << QStringLiteral("</html>");
    return z;
}
