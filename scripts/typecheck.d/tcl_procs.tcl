# Lists the proc and namespace-eval commands of a Tcl script, the classes of snit, itcl and TclOO and
# their methods, constructors and destructors, as Tcl's own parser splits it into commands and words,
# recursing into every braced word that is itself a complete script.
# Prints one "LINE<TAB>NAME" line per command found (LINE counts from 1).
proc scanScript {script firstLine} {
    set lines [split $script \n]
    set n [llength $lines]
    set i 0
    while {$i < $n} {
        set start $i
        set cmd [lindex $lines $i]
        incr i
        while {(![info complete "$cmd\n"] || [regexp {(^|[^\\])(\\\\)*\\$} $cmd]) && $i < $n} {
            append cmd \n [lindex $lines $i]
            incr i
        }
        set text [string trimleft $cmd " \t"]
        if {$text eq "" || [string index $text 0] eq "#"} continue
        if {[catch {llength $text} count] || $count == 0} continue
        set lead [expr {[string length $cmd] - [string length $text]}]
        set first [lindex $text 0]
        set line [expr {$firstLine + $start}]
        set bare [string trimleft $first :]
        if {$bare in {public private protected} && $count >= 3} {
            # itcl's protection levels before a member: public method NAME ...
            set bare [lindex $text 1]
            set text [lrange $text 1 end]
            incr count -1
        }
        if {$bare eq "proc" && $count >= 2} {
            puts "$line\t[lindex $text 1]"
        } elseif {$bare eq "namespace" && [lindex $text 1] eq "eval" && $count >= 3} {
            puts "$line\t[lindex $text 2]"
        } elseif {$bare in {snit::type snit::widget snit::widgetadaptor itcl::class itcl::type itcl::widget
                            class} && $count >= 3} {
            puts "$line\t[lindex $text 1]"
        } elseif {$bare eq "oo::class" && [lindex $text 1] eq "create" && $count >= 3} {
            puts "$line\t[lindex $text 2]"
        } elseif {$bare eq "oo::define" && [lindex $text 2] in {method constructor destructor} && $count >= 4} {
            puts "$line\t[lindex $text 3]"
        } elseif {$bare in {method typemethod} && $count >= 3} {
            puts "$line\t[lindex $text 1]"
        } elseif {$bare in {constructor destructor typeconstructor} && $count >= 2} {
            puts "$line\t$bare"
        }
        # Words that are complete scripts of more than one line (bodies) are scanned in turn.
        for {set w 1} {$w < $count} {incr w} {
            set word [lindex $text $w]
            if {[string first \n $word] < 0 || ![info complete $word]} continue
            set at [string first "\{$word\}" $cmd]
            if {$at < 0} continue
            set before [string range $cmd 0 $at]
            set offset [expr {[llength [split $before \n]] - 1}]
            scanScript $word [expr {$line + $offset}]
        }
    }
}
foreach path $argv {
    set f [open $path r]
    fconfigure $f -translation auto -encoding iso8859-1
    set script [read $f]
    close $f
    scanScript $script 1
}
