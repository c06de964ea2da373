<#
.SYNOPSIS
Copies the ledger tools to a server and restarts the service.
function Restarts the service when the copy is done: prose, no definition
#>
param([string]$Server = "localhost")

# function Commented-Out { } is no definition
function Get-LedgerFiles {
    Get-ChildItem -Path .\dist -Filter *.exe
}

Function Copy-ToServer([string]$Path) {
    Copy-Item $Path "\\$Server\ledger$\"
}

function global:Restart-Ledger {
    param([int]$Timeout = 30)
    Restart-Service -Name ledger
}

<# filter Old-Large { $_ } #>
filter Where-Large { if ($_.Length -gt 1MB) { $_ } }

    function Write-Step($Text) { Write-Host "== $Text" }

workflow Invoke-Nightly {
    Get-LedgerFiles
}

$functions = "function Not-Me"
Write-Step "Copying"
Get-LedgerFiles | Where-Large | ForEach-Object { Copy-ToServer $_.FullName }
Restart-Ledger -Timeout 60
