-- A counter with a synchronous reset.
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

package counter_pkg is
  type state_t is (idle, counting, done);
  subtype count_t is unsigned(7 downto 0);
  function next_count (c : count_t) return count_t;
  function "+" (l : state_t; r : integer) return state_t;
end package counter_pkg;

package body counter_pkg is
  function next_count (c : count_t) return count_t is
  begin
    return c + 1;
  end function;
end package body counter_pkg;

entity counter is
  port (clk, rst : in std_logic; q : out unsigned(7 downto 0));
end entity counter;

architecture rtl of counter is
  component flop is
    port (d : in std_logic; q : out std_logic);
  end component;
  signal count : unsigned(7 downto 0);
begin
  tick : process (clk)
  begin
    if rising_edge(clk) then
      count <= count + 1;
    end if;
  end process;
end architecture rtl;
