# Puts a game page's first template together: the part the three game pages
# share (gemeinsam.teil, with the line @TITEL@ where the title goes) and the
# game's own part (SPIEL: its title line first, then the rest of the
# template). The bytes are kept as they are, CR LF line ends included.
#   cmake -DGEMEINSAM=… -DSPIEL=… -DZIEL=… -P vorlage_bauen.cmake
file(READ "${GEMEINSAM}" gemeinsam)
file(READ "${SPIEL}" spiel)
string(FIND "${spiel}" "\r\n" ende)
if(ende LESS 0)
  message(FATAL_ERROR "${SPIEL}: die erste Zeile (der Titel) fehlt")
endif()
string(SUBSTRING "${spiel}" 0 ${ende} titel)
math(EXPR rest_anfang "${ende} + 2")
string(SUBSTRING "${spiel}" ${rest_anfang} -1 rest)
string(FIND "${gemeinsam}" "@TITEL@\r\n" stelle)
if(stelle LESS 0)
  message(FATAL_ERROR "${GEMEINSAM}: die Zeile @TITEL@ fehlt")
endif()
string(REPLACE "@TITEL@\r\n" "${titel}\r\n" vorlage "${gemeinsam}")
file(WRITE "${ZIEL}.neu" "${vorlage}${rest}")
file(RENAME "${ZIEL}.neu" "${ZIEL}")
