// A transmitter of one byte, with its helpers.
`timescale 1ns / 1ps

module uart_tx #(parameter CLKS_PER_BIT = 87) (
  input  wire       clk,
  input  wire [7:0] data,
  output reg        tx
);
  function automatic [3:0] next_bit(input [3:0] b);
    next_bit = b + 1;
  endfunction

  task reset_line;
    tx = 1'b1;
  endtask

  uart_baud #(.N(CLKS_PER_BIT)) baud (.clk(clk));
endmodule

module $__internal_cell (input A, output Y);
  assign Y = ~A;
endmodule
