(ns ^{:doc "A shopping cart."} shop.cart
  (:require [clojure.string :as str]))

(def ^:dynamic *currency* "EUR")
(def tax-rate 0.2)

(defprotocol Priced
  (price [item]))

(defrecord Line [sku qty unit-price]
  Priced
  (price [_] (* qty unit-price)))

(defn- subtotal [lines]
  (reduce + (map price lines)))

(defn total
  "Total with tax."
  [lines]
  (* (subtotal lines) (+ 1 tax-rate)))

(defmulti describe :kind)
(defmethod describe :gift [item] (str "gift " (:sku item)))

(comment
  (defn try-it [] (total [])))
