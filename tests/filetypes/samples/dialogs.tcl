# Dialogs: procs at the top, procs inside namespace eval, and lines that only mention proc.
# proc commented {} {} is a comment.
package require Tk

namespace eval ::dialogs {
    variable count 0
    namespace export ask confirm

    proc ask {title prompt} {
        variable count
        incr count
        return [tk_messageBox -title $title -message $prompt -type yesno]
    }

    proc confirm {{prompt "Sure?"}} {
        return [expr {[ask Confirm $prompt] eq "yes"}]
    }
}

proc ::dialogs::reset {} {
    set ::dialogs::count 0
}

namespace eval dialogs::history {
    proc add {entry} { lappend ::dialogs::history::entries $entry }
}

proc main {argv} {
    set msg "proc inside a string is text"
    if {[llength $argv] == 0} {
        puts stderr "usage: dialogs TITLE"
        return 1
    }
    puts [dialogs::ask [lindex $argv 0] "Continue?"]
}

# A proc made at run time has no literal name to list.
set name generated
proc $name {} { return 1 }
proc [string cat gen 2] {} { return 2 }

exit [main $argv]

# Classes of snit, itcl and TclOO, with their methods.
snit::type ledger::account {
    constructor {args} {
        $self configurelist $args
    }
    method deposit {amount} {
        incr balance $amount
    }
}

itcl::class Stack {
    public method push {item} {
        lappend items $item
    }
    destructor {
        set items {}
    }
}

oo::class create Queue {
    method put {item} {
        my variable items
        lappend items $item
    }
}
oo::define Queue method take {} {
    return [lindex $items 0]
}
