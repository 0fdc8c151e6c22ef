// Puts a game page's first template together at build time: the part the
// three game pages share (the line "@TITEL@" where the title goes) and the
// game's own part (its title line first, then the rest of the template).
// Bytes are copied as they are, CR LF line ends included.
//   vorlage_bauen GEMEINSAM SPIEL ZIEL
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool Lies(const char* pfad, std::string* inhalt)
{
    std::ifstream datei(pfad, std::ios::binary);
    inhalt->assign(std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>());
    return bool(datei) || datei.eof();
}

int Fehler(const char* text, const char* pfad)
{
    std::fprintf(stderr, "vorlage_bauen: %s: %s\n", pfad, text);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return Fehler("Aufruf: vorlage_bauen GEMEINSAM SPIEL ZIEL", argv[0]);
    std::string gemeinsam;
    std::string spiel;
    if (!Lies(argv[1], &gemeinsam))
        return Fehler("nicht lesbar", argv[1]);
    if (!Lies(argv[2], &spiel))
        return Fehler("nicht lesbar", argv[2]);
    const std::string platzhalter = "@TITEL@\r\n";
    const size_t stelle = gemeinsam.find(platzhalter);
    if (stelle == std::string::npos)
        return Fehler("die Zeile @TITEL@ fehlt", argv[1]);
    const size_t titelende = spiel.find("\r\n");
    if (titelende == std::string::npos)
        return Fehler("die erste Zeile (der Titel) fehlt", argv[2]);
    gemeinsam.replace(stelle, platzhalter.size(), spiel, 0, titelende + 2);
    std::ofstream ziel(argv[3], std::ios::binary | std::ios::trunc);
    ziel << gemeinsam << spiel.substr(titelende + 2);
    ziel.close();
    if (!ziel)
        return Fehler("nicht geschrieben", argv[3]);
    return 0;
}
