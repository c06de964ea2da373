# Ledger: modules, classes, instance and singleton methods, and what only looks like them.
# def commented_out; end is a comment.
require 'bigdecimal'

module Accounting
  class Error < StandardError; end

  class Ledger
    include Enumerable

    attr_reader :entries

    def initialize(name)
      @name = name
      @entries = []
    end

    def self.open(path)
      new(File.basename(path))
    end

    def <<(entry)
      @entries << entry
      self
    end

    def each(&block) = @entries.each(&block)

    def total
      sum = @entries.sum(BigDecimal('0'))
      "#{@name}: def is text inside a string #{sum}"
    end

    private def audit!
      @entries.freeze
    end

    class << self
      def default
        open('ledger')
      end
    end
  end

  module Formats::Csv
    module_function def dump(ledger) = ledger.map(&:to_s).join(',')
  end
end
