# Wraps the help page into a single-file web archive (MHTML): one HTML part, UTF-8, CR LF.
# Run as: cmake -DHTML=<page.html> -DMHT=<Velmor.mht> -P make-mht.cmake
#
# Browsers without MHTML support (Firefox) sniff the file as HTML instead, as it starts with
# "<". So the archive's headers sit inside an HTML comment: the first header's name opens it,
# the part's last header closes it, and a comment opened after the page hides the closing
# boundary. Browsers that read the archive ignore these headers.
file(READ "${HTML}" page)
string(REPLACE "\r\n" "\n" page "${page}")
string(REPLACE "\n" "\r\n" page "${page}")
set(boundary "----=_Velmor_Help_Part")
string(CONCAT archive
  "<!--: Velmor help\r\n"
  "From: <Velmor>\r\n"
  "Subject: Velmor Help\r\n"
  "MIME-Version: 1.0\r\n"
  "Content-Type: multipart/related;\r\n"
  "\ttype=\"text/html\";\r\n"
  "\tboundary=\"${boundary}\"\r\n"
  "\r\n"
  "--${boundary}\r\n"
  "Content-Type: text/html; charset=\"utf-8\"\r\n"
  "Content-Transfer-Encoding: 8bit\r\n"
  "Content-Location: file:///Velmor/help.html\r\n"
  "X-End-Of-Headers: -->\r\n"
  "\r\n"
  "${page}"
  "<!--\r\n"
  "--${boundary}--\r\n")
file(WRITE "${MHT}" "${archive}")
