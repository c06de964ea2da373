--  A bounded queue of integers.
with Ada.Text_IO;

package body Queues is

   generic
      type Element is range <>;  --  a formal type: not listed
      type Keys (<>) is private;  --  (<>) before "is" is a declaration's too
   procedure Sort (Items : in out Element_Array);

   type Slot_Index is range 1 .. 64;
   type Slots is array (Slot_Index range <>) of Integer;
   function "<" (Left, Right : Queue) return Boolean;  -- "<" in a comment
   subtype Count is Natural range 0 .. 64;

   procedure Push (Q : in out Queue; Item : Integer) is
   begin
      Q.Last := Q.Last + 1;
   end Push;

   function "+" (Left, Right : Queue) return Queue is separate;

   function Length (Q : Queue) return Count is
   begin
      return Q.Last;
   end Length;

   protected body Guard is
      entry Seize when not Busy is
      begin
         Busy := True;
      end Seize;
   end Guard;

   task body Worker is
   begin
      accept Start do
         Ada.Text_IO.Put_Line ("started");
      end Start;
   end Worker;

end Queues;
