#!/usr/bin/awk -f
# Sums the sizes of a listing by owner and prints the largest owners first.

function human(bytes,    unit) {
    unit = "B"
    if (bytes > 1024) { bytes /= 1024; unit = "K" }
    return sprintf("%.1f%s", bytes, unit)
}

# function commented_out(x) is no definition
func max(a, b) { return a > b ? a : b }

	function indented(x) {
		return x * 2
	}

function sort_owners(owners, order,    n, i, j, t) {
    n = 0
    for (i in owners) order[++n] = i
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && owners[order[j]] > owners[order[j-1]]; j--) {
            t = order[j]; order[j] = order[j-1]; order[j-1] = t
        }
    return n
}

/function/ { mentions++ }
$3 ~ /^[a-z]/ { size[$3] += $5; function_calls = max(function_calls, $5) }

END {
    n = sort_owners(size, order)
    for (i = 1; i <= n; i++) printf "%-12s %s\n", order[i], human(size[order[i]])
}
