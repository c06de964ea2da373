# Functions of a login shell; arrays and calls are not functions.
paths=(/usr/bin /bin)

function greet {
    echo "hello"
}

cleanup() {
    rm -f /tmp/x
}

add-path () { PATH=$PATH:$1; }

greet
echo "not_a_function() here"
