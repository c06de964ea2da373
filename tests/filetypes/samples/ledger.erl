%% A ledger of accounts kept in a map.
-module(ledger).
-export([new/0, post/3, balance/2]).

-define(ZERO, 0).
-define('MAX-ENTRIES', 1000).
-record(entry, {account, amount = ?ZERO}).
-type account() :: atom().
-opaque ledger() :: #{account() => integer()}.

new() -> #{}.

post(Ledger, Account, Amount) when is_integer(Amount) ->
    maps:update_with(Account, fun(Old) -> Old + Amount end, Amount, Ledger).

balance(Ledger, Account) ->
    maps:get(Account, Ledger, ?ZERO).

'check-limit'(N) when N > ?ZERO -> ok;
'check-limit'(_) -> error.
