# scid_import.tcl FILE: imports FILE into a new Scid database in the current
# folder and prints "scid-import-ms N RESULT", the import's own time.
set file [lindex $argv 0]
file delete -force DB.si4 DB.sg4 DB.sn4 DB.si5 DB.sg5 DB.sn5
sc_base create DB
sc_base close [sc_base current]
set db [sc_base open DB]
set start [clock milliseconds]
set result [sc_base import $db $file]
set ms [expr {[clock milliseconds] - $start}]
puts "scid-import-ms $ms $result"
exit 0
